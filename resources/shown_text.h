#pragma once
// Texts the user sees: the window's side translates them, this side fills
// in their values.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kestrivane {

// `text` of `context` in the user's language, the text itself without a
// translation.
using TranslateText = std::function<std::string(const char* context, const char* text)>;

// `text` of `context` through `translate`; the text itself without one. An
// empty text stays empty: it is no message of the translations.
std::string Shown(const TranslateText& translate, const char* context, const char* text);

// %1, %2 ... of `text` filled in where each stands: a translation may move
// them, and no translated printf format can misread the arguments.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);

// FillPlaceholders for `shown`, the translation of `english`. In a translated
// sentence each value is set apart by the first-strong isolate marks, so it
// keeps its own direction ("5:30 A.M." stays whole in an Arabic line);
// English takes its values as they are, byte for byte.
std::string FillShown(std::string_view english, std::string_view shown,
                      std::initializer_list<std::string_view> args);

}  // namespace kestrivane
