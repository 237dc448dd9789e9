#pragma once
// The settings document: owns the location and the preferences, and reads
// and writes them as one file (Prefs.dat, by bare name, in the current
// directory). What that file cannot hold goes to Kestrivane.ini beside it.

#include <array>
#include <cstdint>
#include <string>

#include "settings/extra_settings.h"
#include "settings/location.h"
#include "settings/preferences.h"
#include "settings/settings_reporter.h"

namespace kestrivane {

class CArchive;
class SettingsEditor;

// What a load read besides the values: the schema tag of each record. The
// records keep none; every store writes 2.
struct SettingsLoadReport {
  int32_t documentTag = 2;
  int32_t preferencesTag = 2;
  int32_t alarmsTag = 2;
  std::array<int32_t, kPrayerCount> entryTags{2, 2, 2, 2, 2, 2};  // none read in the older layout
  int32_t locationTag = 2;
  int32_t dstRuleTag = 2;
};

class CLocations {
 public:
  explicit CLocations(SettingsReporter& reporter) : m_reporter(reporter) {}
  CLocations(const CLocations&) = delete;
  CLocations& operator=(const CLocations&) = delete;

  // Writes the current values first when the file does not exist, then
  // loads it. False after a reported failure; values read before it stay.
  // Kestrivane.ini beside it is loaded after it, whatever became of it: no
  // file means ExtraSettings{}, and so does a damaged one, which is
  // reported, kept as Kestrivane.ini.bad at the next save and rewritten.
  // Its failures leave the result alone.
  bool OnOpenDocument(const std::string& path);
  // Loads an existing file and never writes one. Only a regular file is
  // read: a FIFO, a device or a directory is refused and reported.
  bool ReadDocument(const std::string& path);
  // Replaces the file in one step (ReplaceFile): a symbolic link is saved
  // through, and a link to nothing, a write-protected file and anything but
  // a regular file are refused. On failure the old file is untouched, the
  // failure is reported and every changed flag stays as it was. A file that
  // failed to load is first kept as PATH.bad; without that copy it is not
  // replaced. Kestrivane.ini is saved the same way when its settings
  // changed or it failed to load, also when Prefs.dat could not be; it is
  // never made for settings that never left the defaults.
  bool OnSaveDocument(const std::string& path);

  bool IsModified() const;
  void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

  void Serialize(CArchive& ar);

  // The editing operations behind the main window's settings commands. Each
  // runs one dialog on one record and returns whether that record is marked
  // changed afterwards; false after Cancel, with the record untouched.
  // Preferences count a pending alarm-table change too; every OK in the
  // location dialog counts as a change.
  bool EditPreferences(SettingsEditor& editor);
  bool EditLocation(SettingsEditor& editor);
  bool EditAlarms(SettingsEditor& editor, const PrayerTimes& today);

  CLocation m_location;
  CPreferences m_preferences;
  ExtraSettings m_extra;            // Kestrivane.ini
  SettingsLoadReport m_loadReport;  // of the last load, also one cut short

 private:
  bool Load(const std::string& path, bool willSave);
  bool LoadPrefs(const std::string& path, bool willSave);
  void LoadExtra(const std::string& prefsPath, bool willSave);
  bool SaveExtra(const std::string& prefsPath);
  struct Flags;
  Flags SaveFlags() const;
  void RestoreFlags(const Flags& flags);

  SettingsReporter& m_reporter;
  bool m_bModified = false;
  std::string m_damagedPath;  // a file that failed to load and has no copy yet
  std::string m_extraSaved = ExtraSettingsToIni(ExtraSettings{});  // Kestrivane.ini's, as stored
  std::string m_damagedExtraPath;  // as m_damagedPath, for Kestrivane.ini
};

}  // namespace kestrivane
