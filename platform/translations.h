#pragma once
// The program's texts in the desktop's language.

#include <string>

class QCoreApplication;

namespace kestrivane {

// Installs the program's translation for the first of the desktop's
// languages that is English or has one, and Qt's own texts with it. English,
// C or no translation installs nothing: every text stays as written. A
// right-to-left language underlines no mnemonic letter.
void InstallTranslations(QCoreApplication& application);

// `text` of `context` in the installed language, as UTF-8: the core's
// TranslateText on the window's side.
std::string TranslatedText(const char* context, const char* text);

}  // namespace kestrivane
