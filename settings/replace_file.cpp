#include "settings/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kestrivane {

namespace {

std::string ErrorText(int error) { return std::strerror(error); }

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// What `path` leads to.
struct Destination {
  std::string target;  // the file to replace: `path`, or the file its link names
  bool exists = false;
  bool regular = true;
  mode_t mode = 0;
};

// Empty when `path` may be written, else why not.
std::string FindDestination(const std::string& path, Destination& to) {
  to = {path};
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? "" : ErrorText(errno);
  const bool link = S_ISLNK(info.st_mode);
  if (link && ::stat(path.c_str(), &info) != 0) {
    return errno == ENOENT ? "it is a symbolic link to a file that does not exist"
                           : "cannot follow its symbolic link: " + ErrorText(errno);
  }
  to.exists = true;
  to.regular = S_ISREG(info.st_mode);
  to.mode = info.st_mode & 07777;
  if (!to.regular) return "";  // a device behind a link (/dev/stdout) is opened by its link
  // The owner's write bit, not access(2): root may write anything.
  if ((info.st_mode & S_IWUSR) == 0) return "it is write-protected";
  if (link) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return "cannot follow its symbolic link: " + ErrorText(errno);
    to.target = resolved;
    std::free(resolved);
  }
  return "";
}

// Nothing to replace: a device or a pipe only takes what is written.
std::string WriteInto(const std::string& path, const ContentWriter& write) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return ErrorText(errno);
  std::string why = write(fd);
  if (::close(fd) != 0 && why.empty()) why = ErrorText(errno);
  return why;
}

// A new file of our own beside `target`, created as any new file is (the
// umask applies); -1 with errno set when none can be made.
int CreateBeside(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::string ReplaceFile(const std::string& path, const ContentWriter& write, NonRegularFile other) {
  Destination to;
  std::string why = FindDestination(path, to);
  if (!why.empty()) return why;
  if (!to.regular) {
    return other == NonRegularFile::kWriteInto ? WriteInto(path, write)
                                               : "it is not a regular file";
  }
  std::string temporary;
  const int fd = CreateBeside(to.target, temporary);
  if (fd < 0) return "cannot create a new file beside it: " + ErrorText(errno);
  // Best effort: a file system without modes (FAT) refuses, and has none to keep.
  if (to.exists) ::fchmod(fd, to.mode);
  why = write(fd);
  if (why.empty() && ::fsync(fd) != 0) why = ErrorText(errno);
  if (::close(fd) != 0 && why.empty()) why = ErrorText(errno);
  if (why.empty() && ::rename(temporary.c_str(), to.target.c_str()) != 0) {
    why = "cannot replace it: " + ErrorText(errno);
  }
  if (!why.empty()) {
    ::unlink(temporary.c_str());
    return why;
  }
  // The rename lasts only once the folder is synced; a failure here leaves a
  // complete file either way.
  const int folder = ::open(DirectoryOf(to.target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return "";
}

std::string WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return ErrorText(written < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return "";
}

std::string ExportFile(const std::string& path, std::string_view bytes) {
  const std::string why = ReplaceFile(
      path, [&](int fd) { return WriteAll(fd, bytes); }, NonRegularFile::kWriteInto);
  return why.empty() ? "" : "cannot write \"" + path + "\": " + why;
}

}  // namespace kestrivane
