#pragma once
// INI text: "[section]" lines and "key=value" lines, the form Qt and most
// desktop programs write their settings in.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrivane {

struct IniSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;  // in file order

  // The value of `key`, or null.
  const std::string* Find(std::string_view key) const;
};

struct ParsedIni {
  std::vector<IniSection> sections;  // a section given twice is one
  std::string error;                 // why the text was refused; empty when read
  bool ok() const { return error.empty(); }
};

// Blank lines and comments (';' or '#' first) are skipped, blanks around
// names and values dropped, and a line may end in CR LF. Refused, naming
// the line: a line that is none of these, a key outside a section, a key
// given twice in a section, a control character, and a last line without
// its line break (a file cut short).
ParsedIni ParseIni(std::string_view text);

// The sections and keys in their order, each line ending in LF.
std::string FormatIni(const std::vector<IniSection>& sections);

}  // namespace kestrivane
