#pragma once
// The help file's contents as plain data (format in help_viewer.h), and the
// pieces a translator translates one by one: titles and paragraphs.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kestrivane {

struct HelpTopic {
  std::string title;
  std::string text;  // paragraphs separated by a blank line
};

struct HelpFile {
  std::map<uint32_t, std::string> popups;
  std::map<uint32_t, HelpTopic> topics;
  HelpTopic contents;
};

HelpFile ParseHelpFile(const std::string& content);
// "0x20082" and the like; 0 for anything else.
uint32_t ParseHelpNumber(const std::string& text);

// A text's paragraphs, in order.
std::vector<std::string> HelpParagraphs(const std::string& text);
// Every title and paragraph of the file, each once, in the file's order.
std::vector<std::string> HelpPieces(const HelpFile& file);

}  // namespace kestrivane
