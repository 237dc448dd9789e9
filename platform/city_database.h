#pragma once
// The world's cities of GNOME's location database (libgweather): names,
// country, coordinates and IANA time zone, searched by part of a name in
// any language its catalogues know.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace kestrivane {

struct City {
  QString name;          // English, as the database has it
  QString country;       // English
  QString localName;     // in the user's language where the catalogue has it
  QString localCountry;  // the same
  QString localState;    // the state or province, where the database has one
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  QByteArray zone;       // IANA zone id
  QStringList keys;      // every name the city goes by, folded for search

  // "York, Pennsylvania, United States": the names shown, which tell
  // cities of one name apart.
  QString Shown() const;
};

// Where Debian's libgweather-4-common puts the database and its catalogues.
inline constexpr const char* kLocationsFile = "/usr/share/libgweather-4/Locations.xml";
inline constexpr const char* kLocaleFolder = "/usr/share/locale";

class CityDatabase {
 public:
  // Reads the database and every catalogue beside it in `localeFolder`;
  // `language` ("ur_PK", "ar") picks the names shown. A missing or damaged
  // file leaves it empty, with `error` saying why.
  CityDatabase(const QString& locationsFile, const QString& localeFolder, const QString& language);

  // The one the program uses, read on first call, in the desktop's language.
  static const CityDatabase& Shared();

  bool loaded() const { return !m_cities.empty(); }
  const QString& error() const { return m_error; }
  const std::vector<City>& cities() const { return m_cities; }

  // Cities whose name in some language holds `text`, ignoring case and
  // accents: names that are the text first, then names that start with it,
  // then the rest; each rank in name order. At most `limit`.
  std::vector<const City*> Search(const QString& text, size_t limit = 200) const;

 private:
  void ReadLocations(const QString& path);
  void ReadCatalogues(const QString& folder, const QString& language);

  struct CatalogueKeys {
    QByteArray city, state, country;
  };
  std::vector<City> m_cities;
  std::vector<CatalogueKeys> m_keys;  // beside m_cities, while the catalogues are read
  QString m_error;
};

// Degrees as whole degrees and minutes, rounded to the nearest minute.
struct DegreesMinutes {
  uint32_t degrees = 0;
  uint32_t minutes = 0;
  bool negative = false;  // south or west
};
DegreesMinutes RoundToMinute(double degrees);

// Case and accents dropped, for comparing names.
QString FoldForSearch(const QString& text);

}  // namespace kestrivane
