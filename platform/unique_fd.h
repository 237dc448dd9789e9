#pragma once
// Sole owner of a file descriptor; closes it when dropped.

#include <unistd.h>

#include <utility>

namespace kestrivane {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : m_nFd(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : m_nFd(std::exchange(other.m_nFd, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      Reset(std::exchange(other.m_nFd, -1));
    }
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int Get() const { return m_nFd; }
  bool IsValid() const { return m_nFd >= 0; }
  void Reset(int fd = -1) {
    if (m_nFd >= 0) {
      ::close(m_nFd);
    }
    m_nFd = fd;
  }

 private:
  int m_nFd = -1;
};

}  // namespace kestrivane
