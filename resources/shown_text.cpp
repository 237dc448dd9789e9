#include "resources/shown_text.h"

namespace kestrivane {

std::string Shown(const TranslateText& translate, const char* context, const char* text) {
  return translate && *text != '\0' ? translate(context, text) : std::string(text);
}

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t number = i + 1 < text.size() && text[i] == '%' ? text[i + 1] - '0' : 0;
    if (number >= 1 && number <= args.size()) {
      out += args.begin()[number - 1];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace kestrivane
