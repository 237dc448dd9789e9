#include "platform/city_database.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

#include "platform/mo_catalog.h"

namespace kestrivane {

namespace {

// One element of the database that names something: a region, country,
// state, city, weather station or zone.
struct Frame {
  QString tag;
  QString name;
  QByteArray key;  // the catalogue's key of the name
  QByteArray tzHint, firstZone;
  QString coordinates;
};

bool NamesSomething(QStringView tag) {
  return tag == u"region" || tag == u"country" || tag == u"state" || tag == u"city" ||
         tag == u"location" || tag == u"named-timezone" || tag == u"timezone";
}

QByteArray CatalogueKey(const QString& context, const QString& name) {
  return context.isEmpty() ? name.toUtf8() : context.toUtf8() + '\x04' + name.toUtf8();
}

const Frame* Enclosing(const std::vector<Frame>& frames, QStringView tag) {
  for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
    if (it->tag == tag) return &*it;
  }
  return nullptr;
}

// The city's own zone, else its state's, else its country's.
QByteArray ZoneOf(const std::vector<Frame>& frames) {
  for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
    if (!it->tzHint.isEmpty()) return it->tzHint;
    if (!it->firstZone.isEmpty()) return it->firstZone;
  }
  return {};
}

void AddKey(City& city, const QString& name) {
  const QString folded = FoldForSearch(name);
  if (!folded.isEmpty() && !city.keys.contains(folded)) city.keys.append(folded);
}

QString DesktopLanguage() {
  const QStringList languages = QLocale::system().uiLanguages();
  return languages.isEmpty() ? QString() : QString(languages.front()).replace('-', '_');
}

}  // namespace

QString City::Shown() const {
  return (localState.isEmpty() ? QStringList{localName, localCountry}
                               : QStringList{localName, localState, localCountry})
      .join(QStringLiteral(", "));
}

DegreesMinutes RoundToMinute(double degrees) {
  const auto total = static_cast<uint32_t>(std::lround(std::fabs(degrees) * 60));
  return {total / 60, total % 60, degrees < 0};
}

QString FoldForSearch(const QString& text) {
  QString folded;
  for (QChar c : text.normalized(QString::NormalizationForm_KD)) {
    if (c.category() != QChar::Mark_NonSpacing) folded.append(c);
  }
  return folded.toCaseFolded();
}

CityDatabase::CityDatabase(const QString& locationsFile, const QString& localeFolder,
                           const QString& language) {
  ReadLocations(locationsFile);
  if (!m_cities.empty()) ReadCatalogues(localeFolder, language);
  m_keys = {};
}

const CityDatabase& CityDatabase::Shared() {
  static const CityDatabase database(kLocationsFile, kLocaleFolder, DesktopLanguage());
  return database;
}

void CityDatabase::ReadLocations(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    m_error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return;
  }
  QXmlStreamReader xml(&file);
  std::vector<Frame> frames;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::StartElement) {
      const QStringView tag = xml.name();
      if (NamesSomething(tag)) {
        frames.push_back(Frame{tag.toString(), {}, {}, {}, {}, {}});
        if (tag == u"timezone" && frames.size() > 1) {
          Frame& holder = frames[frames.size() - 2];
          if (holder.firstZone.isEmpty())
            holder.firstZone = xml.attributes().value("id").toLatin1();
        }
      } else if (!frames.empty() && (tag == u"_name" || tag == u"name")) {
        const QString context = xml.attributes().value("msgctxt").toString();
        Frame& frame = frames.back();
        frame.name = xml.readElementText().trimmed();
        frame.key = tag == u"_name" ? CatalogueKey(context, frame.name) : QByteArray();
      } else if (!frames.empty() && tag == u"tz-hint") {
        frames.back().tzHint = xml.readElementText().trimmed().toLatin1();
      } else if (!frames.empty() && tag == u"coordinates") {
        frames.back().coordinates = xml.readElementText();
      }
    } else if (token == QXmlStreamReader::EndElement && NamesSomething(xml.name())) {
      if (frames.empty()) break;
      if (frames.back().tag == u"city") {
        const Frame& frame = frames.back();
        const Frame* country = Enclosing(frames, u"country");
        const Frame* state = Enclosing(frames, u"state");
        const QStringList at = frame.coordinates.split(' ', Qt::SkipEmptyParts);
        bool latOk = false, lonOk = false;
        City city;
        city.name = city.localName = frame.name;
        city.country = city.localCountry = country ? country->name : QString();
        city.localState = state ? state->name : QString();
        city.latitude = at.value(0).toDouble(&latOk);
        city.longitude = at.value(1).toDouble(&lonOk);
        city.zone = ZoneOf(frames);
        // A city without a place on the globe or a zone is left out.
        const bool placed =
            latOk && lonOk && std::fabs(city.latitude) <= 90 && std::fabs(city.longitude) <= 180;
        if (placed && !city.name.isEmpty() && !city.zone.isEmpty()) {
          AddKey(city, city.name);
          m_cities.push_back(std::move(city));
          m_keys.push_back({frame.key, state ? state->key : QByteArray(),
                            country ? country->key : QByteArray()});
        }
      }
      frames.pop_back();
    }
  }
  if (xml.hasError()) {
    m_error =
        QStringLiteral("%1: line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    m_cities.clear();
    m_keys.clear();
  } else if (m_cities.empty()) {
    m_error = QStringLiteral("%1: no cities").arg(path);
  }
}

void CityDatabase::ReadCatalogues(const QString& folder, const QString& language) {
  QHash<QByteArray, std::vector<size_t>> cityOf;
  QHash<QByteArray, std::vector<QString*>> regionOf;  // the state and country names shown
  for (size_t i = 0; i < m_cities.size(); ++i) {
    cityOf[m_keys[i].city].push_back(i);
    regionOf[m_keys[i].state].push_back(&m_cities[i].localState);
    regionOf[m_keys[i].country].push_back(&m_cities[i].localCountry);
  }
  // "ur_PK.UTF-8@x" looks for ur_PK, then ur.
  const QString wanted = language.section('.', 0, 0).section('@', 0, 0);
  const QDir locales(folder);
  const QString catalogue = QStringLiteral("/LC_MESSAGES/libgweather-4.0-locations.mo");
  QString ownFolder = wanted;
  if (!locales.exists(ownFolder + catalogue)) ownFolder = wanted.section('_', 0, 0);
  for (const QString& name : locales.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    const bool shown = name == ownFolder;
    ReadMoCatalog(locales.filePath(name + catalogue),
                  [&](const QByteArray& key, const QString& text) {
                    if (const auto it = cityOf.constFind(key); it != cityOf.constEnd()) {
                      for (size_t i : *it) {
                        // Most languages keep the English name: no folding for those.
                        if (text != m_cities[i].name) AddKey(m_cities[i], text);
                        if (shown) m_cities[i].localName = text;
                      }
                    }
                    if (!shown) return;
                    if (const auto it = regionOf.constFind(key); it != regionOf.constEnd()) {
                      for (QString* name : *it) *name = text;
                    }
                  });
  }
}

std::vector<const City*> CityDatabase::Search(const QString& text, size_t limit) const {
  const QString wanted = FoldForSearch(text.trimmed());
  if (wanted.isEmpty()) return {};
  // 0 the name itself, 1 starts with the text, 2 holds it, 3 no match.
  const auto kind = [&](const QString& key) {
    return key == wanted ? 0 : key.startsWith(wanted) ? 1 : key.contains(wanted) ? 2 : 3;
  };
  std::vector<std::pair<int, const City*>> found;
  for (const City& city : m_cities) {
    // A name in another language counts after the same match in a name shown.
    int best = 2 * std::min(kind(city.keys.front()), kind(FoldForSearch(city.localName)));
    for (const QString& key : city.keys) best = std::min(best, 2 * kind(key) + 1);
    if (best < 6) found.emplace_back(best, &city);
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    return QString::localeAwareCompare(a.second->localName, b.second->localName) < 0;
  });
  std::vector<const City*> cities;
  for (size_t i = 0; i < found.size() && i < limit; ++i) cities.push_back(found[i].second);
  return cities;
}

}  // namespace kestrivane
