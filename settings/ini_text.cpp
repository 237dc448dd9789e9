#include "settings/ini_text.h"

#include <algorithm>
#include <map>
#include <set>

namespace kestrivane {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

}  // namespace

const std::string* IniSection::Find(std::string_view key) const {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [&](const auto& entry) { return entry.first == key; });
  return found == entries.end() ? nullptr : &found->second;
}

ParsedIni ParseIni(std::string_view text) {
  ParsedIni parsed;
  IniSection* section = nullptr;
  // Indexes, so that a file of many lines costs no more than its sorting.
  std::map<std::string, std::size_t> positions;
  std::set<std::pair<std::size_t, std::string>> keys;
  std::size_t number = 0;
  const auto refuse = [&](const std::string& why) {
    parsed.sections.clear();
    parsed.error = "line " + std::to_string(number) + " " + why;
    return parsed;
  };
  while (!text.empty()) {
    ++number;
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (std::any_of(line.begin(), line.end(), IsControl)) {
      return refuse("holds a control character: this is not a text file");
    }
    if (end == std::string_view::npos) {
      return refuse("ends without a line break: the file is cut short");
    }
    text.remove_prefix(end + 1);
    line = Trimmed(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name(Trimmed(line.substr(1, line.size() - 2)));
      const auto [at, added] = positions.emplace(name, parsed.sections.size());
      if (added) parsed.sections.push_back({name, {}});
      section = &parsed.sections[at->second];
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return refuse("is neither a [section] nor a key=value line");
    if (section == nullptr) return refuse("has a key before the first [section]");
    const std::string key(Trimmed(line.substr(0, eq)));
    if (!keys.emplace(static_cast<std::size_t>(section - parsed.sections.data()), key).second) {
      return refuse("repeats a key given before in its section");
    }
    section->entries.emplace_back(key, Trimmed(line.substr(eq + 1)));
  }
  return parsed;
}

std::string FormatIni(const std::vector<IniSection>& sections) {
  std::string text;
  for (const IniSection& section : sections) {
    text += (text.empty() ? "[" : "\n[") + section.name + "]\n";
    for (const auto& [key, value] : section.entries) text += key + "=" + value + "\n";
  }
  return text;
}

}  // namespace kestrivane
