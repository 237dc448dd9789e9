#include "platform/translations.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

namespace kestrivane {

namespace {

// Qt takes the layout direction from this message of the translation: "RTL"
// mirrors every window.
constexpr const char* kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// An underlined letter is drawn apart from the rest of its word, which
// breaks the joining of Arabic script: right-to-left windows underline no
// mnemonic; Alt and the letter still work.
class NoMnemonicUnderlineStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_UnderlineShortcut) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QTranslator* Install(QCoreApplication& application, const QLocale& locale, const QString& name,
                     const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (translator->load(locale, name, QStringLiteral("_"), folder) &&
      QCoreApplication::installTranslator(translator)) {
    return translator;
  }
  delete translator;
  return nullptr;
}

}  // namespace

void InstallTranslations(QCoreApplication& application) {
  for (const QString& language : QLocale::system().uiLanguages()) {
    const QLocale locale(language);
    // The texts are written in English: a language after it in the list
    // does not come first.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
    const QTranslator* ours =
        Install(application, locale, QStringLiteral("kestrivane"), QStringLiteral(":/i18n"));
    if (ours == nullptr) continue;
    Install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qobject_cast<QApplication*>(&application) == nullptr) return;
    if (ours->translate("QGuiApplication", kLayoutDirection) == QLatin1String("RTL")) {
      QApplication::setStyle(new NoMnemonicUnderlineStyle);
    }
    // The face the translation names for its script (as the dialogs take
    // it) also shows the boxes and menus outside them.
    const QString scriptFace = ours->translate("Font", "MS Sans Serif");
    if (!scriptFace.isEmpty() && scriptFace != QLatin1String("MS Sans Serif")) {
      QFont font = QApplication::font();
      font.setFamilies({scriptFace, font.family()});
      QApplication::setFont(font);
    }
    return;
  }
}

std::string TranslatedText(const char* context, const char* text) {
  return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace kestrivane
