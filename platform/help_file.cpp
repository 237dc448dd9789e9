#include "platform/help_file.h"

#include <algorithm>
#include <sstream>

namespace kestrivane {

namespace {

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Joins a section's lines: lines of one paragraph with blanks, paragraphs
// with one blank line.
std::string Paragraphs(const std::vector<std::string>& lines) {
  std::string text;
  bool pendingBreak = false;
  for (const std::string& raw : lines) {
    const std::string line = Trim(raw);
    if (line.empty()) {
      pendingBreak = !text.empty();
      continue;
    }
    if (pendingBreak) {
      text += "\n\n";
      pendingBreak = false;
    } else if (!text.empty()) {
      text += ' ';
    }
    text += line;
  }
  return text;
}

}  // namespace

HelpFile ParseHelpFile(const std::string& content) {
  HelpFile file;
  enum class Kind { None, Popup, Topic, Contents } kind = Kind::None;
  uint32_t number = 0;
  std::string title;
  std::vector<std::string> lines;
  const auto flush = [&] {
    switch (kind) {
      case Kind::Popup:
        file.popups[number] = Paragraphs(lines);
        break;
      case Kind::Topic:
        file.topics[number] = HelpTopic{title, Paragraphs(lines)};
        break;
      case Kind::Contents:
        file.contents = HelpTopic{title, Paragraphs(lines)};
        break;
      case Kind::None:
        break;
    }
    lines.clear();
  };
  std::istringstream in(content);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] == '#') continue;
    if (!line.empty() && line[0] == '[') {
      const size_t close = line.find(']');
      if (close != std::string::npos) {
        flush();
        std::istringstream header(line.substr(1, close - 1));
        std::string word, value;
        header >> word >> value;
        title = Trim(line.substr(close + 1));
        number = ParseHelpNumber(value);
        kind = word == "popup"      ? Kind::Popup
               : word == "topic"    ? Kind::Topic
               : word == "contents" ? Kind::Contents
                                    : Kind::None;
        continue;
      }
    }
    lines.push_back(line);
  }
  flush();
  return file;
}

uint32_t ParseHelpNumber(const std::string& text) {
  try {
    return static_cast<uint32_t>(std::stoul(text, nullptr, 0));
  } catch (...) {
    return 0;
  }
}

std::vector<std::string> HelpParagraphs(const std::string& text) {
  std::vector<std::string> paragraphs;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find("\n\n", start);
    if (end == std::string::npos) end = text.size();
    paragraphs.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return paragraphs;
}

std::vector<std::string> HelpPieces(const HelpFile& file) {
  std::vector<std::string> pieces;
  const auto add = [&](const std::string& piece) {
    if (!piece.empty() && std::find(pieces.begin(), pieces.end(), piece) == pieces.end())
      pieces.push_back(piece);
  };
  const auto addTopic = [&](const HelpTopic& topic) {
    add(topic.title);
    for (const std::string& paragraph : HelpParagraphs(topic.text)) add(paragraph);
  };
  addTopic(file.contents);
  for (const auto& [number, topic] : file.topics) addTopic(topic);
  for (const auto& [number, popup] : file.popups) {
    for (const std::string& paragraph : HelpParagraphs(popup)) add(paragraph);
  }
  return pieces;
}

}  // namespace kestrivane
