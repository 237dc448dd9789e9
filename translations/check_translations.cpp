// check_translations FILE.ts...: names every message that has no finished
// translation, or whose translation differs from its source in what the
// program fills in or relies on: %1 placeholders, the help's {0x...} links,
// the one "&" of a shortcut, line breaks. Exits 1 when it named any.

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

QStringList Sorted(const QString& text, const QRegularExpression& pattern) {
  QStringList found;
  for (const auto& match : pattern.globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

// What a translation must keep of its source; empty when it does.
QString Mismatch(const QString& source, const QString& translation) {
  static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
  static const QRegularExpression link(QStringLiteral("\\{0x[0-9a-fA-F]+\\}"));
  static const QRegularExpression mnemonic(QStringLiteral("&(?!&)"));
  if (Sorted(source, placeholder) != Sorted(translation, placeholder)) return "placeholders";
  if (Sorted(source, link) != Sorted(translation, link)) return "help links";
  if (QString(source).remove(QStringLiteral("&&")).count(mnemonic) !=
      QString(translation).remove(QStringLiteral("&&")).count(mnemonic))
    return "shortcut &";
  if (source.count('\n') != translation.count('\n')) return "line breaks";
  return {};
}

int Check(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: cannot read\n", qPrintable(path));
    return 1;
  }
  int faults = 0;
  QXmlStreamReader xml(&file);
  QString context, source, translation, type;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      if (xml.name() == u"name") context = xml.readElementText();
      if (xml.name() == u"source") source = xml.readElementText();
      if (xml.name() == u"translation") {
        type = xml.attributes().value(QStringLiteral("type")).toString();
        translation = xml.readElementText();
      }
    } else if (xml.isEndElement() && xml.name() == u"message") {
      if (type == u"vanished" || type == u"obsolete") continue;
      QString fault = type == u"unfinished"   ? QStringLiteral("unfinished")
                      : translation.isEmpty() ? QStringLiteral("empty")
                                              : Mismatch(source, translation);
      if (!fault.isEmpty()) {
        std::printf("%s: %s: [%s] \"%s\"\n", qPrintable(path), qPrintable(fault),
                    qPrintable(context), qPrintable(source));
        ++faults;
      }
    }
  }
  if (xml.hasError()) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(xml.errorString()));
    return 1;
  }
  return faults;
}

}  // namespace

int main(int argc, char** argv) {
  int faults = 0;
  for (int i = 1; i < argc; ++i) faults += Check(QString::fromLocal8Bit(argv[i]));
  return faults == 0 ? 0 : 1;
}
