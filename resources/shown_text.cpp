#include "resources/shown_text.h"

#include <vector>

namespace kestrivane {

namespace {

std::string Fill(std::string_view text, const std::vector<std::string_view>& args) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t number = i + 1 < text.size() && text[i] == '%' ? text[i + 1] - '0' : 0;
    if (number >= 1 && number <= args.size()) {
      out += args[number - 1];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string Shown(const TranslateText& translate, const char* context, const char* text) {
  return translate && *text != '\0' ? translate(context, text) : std::string(text);
}

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args) {
  return Fill(text, args);
}

std::string FillShown(std::string_view english, std::string_view shown,
                      std::initializer_list<std::string_view> args) {
  if (shown == english) return Fill(shown, args);
  constexpr std::string_view kFirstStrongIsolate = "\xE2\x81\xA8";  // U+2068
  constexpr std::string_view kPopIsolate = "\xE2\x81\xA9";          // U+2069
  std::vector<std::string> isolated;
  for (std::string_view arg : args) {
    isolated.push_back(std::string(kFirstStrongIsolate).append(arg).append(kPopIsolate));
  }
  return Fill(shown, {isolated.begin(), isolated.end()});
}

}  // namespace kestrivane
