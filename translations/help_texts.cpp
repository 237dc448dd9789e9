// help_texts HELP-FILE: prints each title and paragraph of the help file as a
// QT_TRANSLATE_NOOP("Help", ...) line, the list lupdate reads for the help.

#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/help_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: help_texts HELP-FILE\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "help_texts: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream content;
  content << in.rdbuf();
  std::cout << "// Generated from the help file for lupdate; not compiled.\n";
  for (const std::string& piece :
       kestrivane::HelpPieces(kestrivane::ParseHelpFile(content.str()))) {
    std::string quoted;
    for (const char c : piece) {
      if (c == '"' || c == '\\') quoted += '\\';
      quoted += c;
    }
    std::cout << "QT_TRANSLATE_NOOP(\"Help\", \"" << quoted << "\");\n";
  }
  return 0;
}
