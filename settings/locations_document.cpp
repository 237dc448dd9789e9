#include "settings/locations_document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "settings/archive.h"

namespace kestrivane {

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string ErrorText(int error) { return std::strerror(error); }

// Closes on every path out; the result of an explicit Close counts.
class FileHandle {
 public:
  explicit FileHandle(int fd) : m_fd(fd) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int get() const { return m_fd; }
  bool Close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int m_fd;
};

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Copies the bytes of `from` into a new file `to` and syncs it.
bool CopyFile(const std::string& from, const std::string& to, std::string& why) {
  FileHandle in(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (in.get() < 0) {
    why = "cannot read it: " + ErrorText(errno);
    return false;
  }
  FileHandle out(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (out.get() < 0) {
    why = "cannot create " + Quoted(to) + ": " + ErrorText(errno);
    return false;
  }
  std::array<char, 8192> buffer;
  for (;;) {
    const ssize_t count = ::read(in.get(), buffer.data(), buffer.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      why = "cannot read it: " + ErrorText(errno);
      return false;
    }
    if (count == 0) break;
    for (ssize_t done = 0; done < count;) {
      const ssize_t written =
          ::write(out.get(), buffer.data() + done, static_cast<std::size_t>(count - done));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        why = "cannot write " + Quoted(to) + ": " + ErrorText(written < 0 ? errno : ENOSPC);
        return false;
      }
      done += written;
    }
  }
  if (::fsync(out.get()) != 0 || !out.Close()) {
    why = "cannot write " + Quoted(to) + ": " + ErrorText(errno);
    return false;
  }
  return true;
}

// Where a save writes: the file itself, or the file its symbolic link names,
// so that the link stays. Empty when it may be written, else why not; `mode`
// is the access of the file replaced, 0 for a new one.
std::string SaveTarget(const std::string& path, std::string& target, mode_t& mode) {
  target = path;
  mode = 0;
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    return errno == ENOENT ? "" : ErrorText(errno);
  }
  if (S_ISLNK(info.st_mode)) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
      return errno == ENOENT ? "it is a symbolic link to a file that does not exist"
                             : "cannot follow its symbolic link: " + ErrorText(errno);
    }
    target = resolved;
    std::free(resolved);
    if (::stat(target.c_str(), &info) != 0) return ErrorText(errno);
  }
  if (!S_ISREG(info.st_mode)) return "it is not a regular file";
  // The owner's write bit, not access(2): root may write anything.
  if ((info.st_mode & S_IWUSR) == 0) return "it is write-protected";
  mode = info.st_mode & 07777;
  return "";
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
         m_preferences.m_bDirty || m_preferences.m_alarms.m_bDirty;
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

bool CLocations::KeepDamagedCopy(const std::string& path, std::string& why) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    return errno == ENOENT;  // gone already: nothing left to keep
  }
  const std::string bad = path + ".bad";
  const std::string staging = bad + ".tmp";
  ::unlink(staging.c_str());
  // Copied, not linked: a second name for a symbolic link would show the
  // target after it is replaced.
  if (!CopyFile(path, staging, why)) {
    ::unlink(staging.c_str());
    why = "the damaged file could not be kept as " + Quoted(bad) + " (" + why + ")";
    return false;
  }
  if (::rename(staging.c_str(), bad.c_str()) != 0) {
    why = "the damaged file could not be kept as " + Quoted(bad) + " (" + ErrorText(errno) + ")";
    ::unlink(staging.c_str());
    return false;
  }
  return true;
}

bool CLocations::OnSaveDocument(const std::string& path) {
  const Flags before = SaveFlags();
  std::string target;
  mode_t mode = 0;
  std::string why = SaveTarget(path, target, mode);
  const std::string temporary = target + ".tmp";
  bool created = false;
  if (why.empty()) {
    FileHandle file(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file.get() < 0) {
      why = "cannot create " + Quoted(temporary) + ": " + ErrorText(errno);
    } else {
      created = true;
      if (mode != 0) ::fchmod(file.get(), mode);  // the new file keeps the old one's access
      try {
        CArchive ar(file.get(), CArchive::kStore);
        Serialize(ar);
        ar.Close();
        if (::fsync(file.get()) != 0 || !file.Close()) {
          why = ErrorText(errno);
        }
      } catch (const CArchiveException& e) {
        why = e.what();
      }
    }
  }
  if (why.empty() && m_damagedPath == path && KeepDamagedCopy(path, why)) {
    m_damagedPath.clear();
  }
  if (why.empty() && ::rename(temporary.c_str(), target.c_str()) != 0) {
    why = "cannot replace it: " + ErrorText(errno);
  }
  if (!why.empty()) {
    if (created) ::unlink(temporary.c_str());
    RestoreFlags(before);
    m_reporter.ReportError("Could not save the settings file " + Quoted(path) + ": " + why +
                           ". The previous file is left as it was; the settings will be saved "
                           "again at the next opportunity.");
    return false;
  }
  // The rename itself lasts only once the directory is synced; a failure here
  // leaves a complete file either way.
  FileHandle directory(::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
  return true;
}

}  // namespace kestrivane
