#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kestrivane {

namespace {

// Qt takes the layout direction from this message of the translation: "RTL"
// mirrors every window.
[[maybe_unused]] constexpr const char* kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool Install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (translator->load(locale, name, QStringLiteral("_"), folder) &&
      QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

void InstallTranslations(QCoreApplication& application) {
  for (const QString& language : QLocale::system().uiLanguages()) {
    const QLocale locale(language);
    // The texts are written in English: a language after it in the list
    // does not come first.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
    if (Install(application, locale, QStringLiteral("kestrivane"), QStringLiteral(":/i18n"))) {
      Install(application, locale, QStringLiteral("qtbase"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
      return;
    }
  }
}

}  // namespace kestrivane
