#include "settings/locations_document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "settings/archive.h"
#include "settings/replace_file.h"

namespace kestrivane {

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string ErrorText(int error) { return std::strerror(error); }

// Closes on every path out.
class FileHandle {
 public:
  explicit FileHandle(int fd) : m_fd(fd) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int get() const { return m_fd; }

 private:
  int m_fd;
};

// Copies the bytes of `from` to `fd`; empty on success, else why not.
std::string CopyInto(const std::string& from, int fd) {
  FileHandle in(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (in.get() < 0) return "cannot read it: " + ErrorText(errno);
  std::array<char, 8192> buffer;
  for (;;) {
    const ssize_t count = ::read(in.get(), buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return "cannot read it: " + ErrorText(errno);
    if (count == 0) return "";
    const std::string why = WriteAll(fd, {buffer.data(), static_cast<std::size_t>(count)});
    if (!why.empty()) return why;
  }
}

// Keeps a file that failed to load as PATH.bad; empty on success, else why not.
std::string KeepDamagedCopy(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT) return "";  // nothing left to keep
  const std::string bad = path + ".bad";
  // Copied, not linked: a second name for a symbolic link would show the
  // target after it is replaced.
  const std::string why = ReplaceFile(bad, [&](int fd) { return CopyInto(path, fd); });
  return why.empty() ? ""
                     : "the damaged file could not be kept as " + Quoted(bad) + " (" + why + ")";
}

// More than a hand-edited Kestrivane.ini ever holds: a bound on what a load may cost.
constexpr std::size_t kMaxExtraSize = 64 * 1024;

std::string ExtraSettingsPath(const std::string& prefsPath) {
  const auto slash = prefsPath.rfind('/');
  return prefsPath.substr(0, slash == std::string::npos ? 0 : slash + 1) + "Kestrivane.ini";
}

// The whole of a small regular file; empty on success, else why not.
std::string ReadSmallFile(int fd, std::string& text) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return ErrorText(errno);
  if (!S_ISREG(info.st_mode)) return "it is not a regular file";
  std::array<char, 8192> buffer;
  while (text.size() <= kMaxExtraSize) {
    const ssize_t count = ::read(fd, buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return ErrorText(errno);
    if (count == 0) return "";
    text.append(buffer.data(), static_cast<std::size_t>(count));
  }
  return "it is larger than " + std::to_string(kMaxExtraSize) + " bytes";
}

std::string SaveFailure(const std::string& path, const std::string& why) {
  return "Could not save the settings file " + Quoted(path) + ": " + why +
         ". The previous file is left as it was; the settings will be saved again at the next "
         "opportunity.";
}

// The tags in the order Serialize reads them.
SettingsLoadReport ReportTags(const std::vector<int32_t>& tags) {
  SettingsLoadReport report;
  auto next = tags.begin();
  const auto take = [&](int32_t& tag) {
    if (next != tags.end()) tag = *next++;
  };
  take(report.documentTag);
  take(report.preferencesTag);
  take(report.alarmsTag);
  if (report.alarmsTag != CAlarmTable::kOlderLayoutTag) {
    for (int32_t& tag : report.entryTags) take(tag);
  }
  take(report.locationTag);
  take(report.dstRuleTag);
  return report;
}

}  // namespace

struct CLocations::Flags {
  bool modified;
  uint8_t location, rule, preferences, alarms;
  std::array<uint8_t, kPrayerCount> entries;
};

CLocations::Flags CLocations::SaveFlags() const {
  Flags flags{m_bModified,
              m_location.m_bDirty,
              m_location.m_dstRule.m_bDirty,
              m_preferences.m_bDirty,
              m_preferences.m_alarms.m_bDirty,
              {}};
  for (std::size_t i = 0; i < flags.entries.size(); ++i) {
    flags.entries[i] = m_preferences.m_alarms.m_alarm[i].m_bDirty;
  }
  return flags;
}

void CLocations::RestoreFlags(const Flags& flags) {
  m_bModified = flags.modified;
  m_location.m_bDirty = flags.location;
  m_location.m_dstRule.m_bDirty = flags.rule;
  m_preferences.m_bDirty = flags.preferences;
  m_preferences.m_alarms.m_bDirty = flags.alarms;
  for (std::size_t i = 0; i < flags.entries.size(); ++i) {
    m_preferences.m_alarms.m_alarm[i].m_bDirty = flags.entries[i];
  }
}

bool CLocations::IsModified() const {
  return m_bModified || m_location.m_bDirty || m_location.m_dstRule.m_bDirty ||
         m_preferences.m_bDirty || m_preferences.m_alarms.m_bDirty || !m_damagedExtraPath.empty() ||
         ExtraSettingsToIni(m_extra) != m_extraSaved;
}

void CLocations::Serialize(CArchive& ar) {
  ar.SerializeTag();
  m_preferences.Serialize(ar);
  m_location.Serialize(ar);
  m_bModified = false;
}

bool CLocations::OnOpenDocument(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 && !OnSaveDocument(path)) {
    return false;
  }
  return Load(path, true);
}

bool CLocations::ReadDocument(const std::string& path) { return Load(path, false); }

bool CLocations::Load(const std::string& path, bool willSave) {
  const bool loaded = LoadPrefs(path, willSave);
  LoadExtra(path, willSave);
  return loaded;
}

void CLocations::LoadExtra(const std::string& prefsPath, bool willSave) {
  const std::string path = ExtraSettingsPath(prefsPath);
  m_extra = ExtraSettings{};
  m_extraSaved = ExtraSettingsToIni(m_extra);
  m_damagedExtraPath.clear();
  FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0 && errno == ENOENT) return;  // as before there was such a file
  std::string text;
  std::string why = file.get() < 0 ? ErrorText(errno) : ReadSmallFile(file.get(), text);
  ParsedExtraSettings parsed;
  if (why.empty()) {
    parsed = ExtraSettingsFromIni(text);
    why = parsed.error;
  }
  if (!why.empty()) {
    std::string message = "Could not read the settings file " + Quoted(path) + ": " + why +
                          ". The classic calculation method is used and no alarm follows its "
                          "prayer";
    if (willSave) {
      message += "; the file will be rewritten at the next save, the damaged one kept as " +
                 Quoted(path + ".bad");
    }
    m_reporter.ReportError(message + ".");
    m_damagedExtraPath = path;
    return;
  }
  m_extra = parsed.settings;
  m_extraSaved = ExtraSettingsToIni(m_extra);
}

bool CLocations::LoadPrefs(const std::string& path, bool willSave) {
  // Without a writer a FIFO would hold up a blocking open for ever.
  FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  std::string why;
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
    why = ErrorText(errno);
  } else if (!S_ISREG(info.st_mode)) {
    // Only a regular file's size bounds what a stated length may cost.
    why = "it is not a regular file";
  }
  if (!why.empty()) {
    m_reporter.ReportError("Could not open the settings file " + Quoted(path) + ": " + why + ".");
    m_damagedPath = path;
    return false;
  }
  // Raised while loading, so that a load cut short leaves the document
  // counted as changed.
  SetModifiedFlag(true);
  CArchive ar(file.get(), CArchive::kLoad);
  try {
    Serialize(ar);
    m_loadReport = ReportTags(ar.TagsRead());
  } catch (const CArchiveException& e) {
    m_loadReport = ReportTags(ar.TagsRead());
    std::string message = "Could not read the settings file " + Quoted(path) + ": ";
    if (e.cause() == CArchiveException::kEndOfFile) {
      message += "it ends at byte offset " + std::to_string(e.offset()) +
                 ", before all settings were read.";
      if (willSave) {
        message +=
            " The settings read so far are kept and the rest are defaults; the file "
            "will be rewritten at the next save, the damaged one kept as " +
            Quoted(path + ".bad") + ".";
      }
    } else {
      message += std::string(e.what()) + ".";
    }
    m_reporter.ReportError(message);
    m_damagedPath = path;
    return false;
  }
  m_damagedPath.clear();
  return true;
}

bool CLocations::OnSaveDocument(const std::string& path) {
  const Flags before = SaveFlags();
  const bool damaged = m_damagedPath == path;
  const std::string why = ReplaceFile(path, [&](int fd) -> std::string {
    try {
      CArchive ar(fd, CArchive::kStore);
      Serialize(ar);
      ar.Close();
    } catch (const CArchiveException& e) {
      return e.what();
    }
    // Written before the rename: a damaged file that cannot be kept is not replaced.
    return damaged ? KeepDamagedCopy(path) : "";
  });
  if (!why.empty()) {
    RestoreFlags(before);
    m_reporter.ReportError(SaveFailure(path, why));
  } else if (damaged) {
    m_damagedPath.clear();
  }
  return SaveExtra(path) && why.empty();
}

bool CLocations::SaveExtra(const std::string& prefsPath) {
  const std::string path = ExtraSettingsPath(prefsPath);
  const std::string text = ExtraSettingsToIni(m_extra);
  const bool damaged = m_damagedExtraPath == path;
  // Settings that never left the defaults make no file.
  if (text == m_extraSaved && !damaged) return true;
  const std::string why = ReplaceFile(path, [&](int fd) {
    const std::string failed = WriteAll(fd, text);
    return !failed.empty() ? failed : damaged ? KeepDamagedCopy(path) : "";
  });
  if (!why.empty()) {
    m_reporter.ReportError(SaveFailure(path, why));
    return false;
  }
  m_extraSaved = text;
  if (damaged) m_damagedExtraPath.clear();
  return true;
}

}  // namespace kestrivane
