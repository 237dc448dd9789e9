#include "platform/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace kestrivane {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes and closes `fd`; 0, or the first error.
int WriteAndClose(int fd, std::string_view bytes, bool sync) {
  int error = WriteAll(fd, bytes) && (!sync || ::fsync(fd) == 0) ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

// The file a symbolic link names, or `path` itself.
std::string Resolved(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string resolved = real;
  std::free(real);
  return resolved;
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

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error) {
  int failure = 0;
  struct stat info {};
  const bool exists = ::stat(path.c_str(), &info) == 0;
  if (exists && ::access(path.c_str(), W_OK) != 0) {
    failure = errno;  // write-protected: not ours to replace
  } else if (exists && !S_ISREG(info.st_mode)) {
    // Nothing to replace: a device or a pipe only takes what is written.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    failure = fd < 0 ? errno : WriteAndClose(fd, bytes, false);
  } else {
    const std::string target = Resolved(path);
    std::string temporary;
    const int fd = CreateBeside(target, temporary);
    if (fd < 0) {
      failure = errno;
    } else {
      if (exists) ::fchmod(fd, info.st_mode & 07777);
      failure = WriteAndClose(fd, bytes, true);
      if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
      if (failure != 0) ::unlink(temporary.c_str());
    }
  }
  if (failure != 0) error = "cannot write \"" + path + "\": " + std::strerror(failure);
  return failure == 0;
}

}  // namespace kestrivane
