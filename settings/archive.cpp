#include "settings/archive.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace kestrivane {

namespace {

constexpr std::size_t kBufferSize = 4096;

std::string Describe(CArchiveException::Cause cause, uint64_t offset, int error) {
  std::string text;
  switch (cause) {
    case CArchiveException::kEndOfFile:
      text = "unexpected end of file";
      break;
    case CArchiveException::kReadFault:
      text = "read error";
      break;
    case CArchiveException::kWriteFault:
      text = "write error";
      break;
  }
  text += " at byte offset " + std::to_string(offset);
  if (error != 0) {
    text += std::string(": ") + std::strerror(error);
  }
  return text;
}

}  // namespace

CArchiveException::CArchiveException(Cause cause, uint64_t offset, const std::string& what)
    : std::runtime_error(what), m_cause(cause), m_offset(offset) {}

CArchive::CArchive(int fd, Mode mode) : m_fd(fd), m_mode(mode), m_buffer(kBufferSize) {
  m_fileSize = std::numeric_limits<uint64_t>::max();
  struct stat info {};
  if (mode == kLoad && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    m_fileSize = static_cast<uint64_t>(info.st_size);
  }
}

uint64_t CArchive::BytesLeft() const {
  return m_position < m_fileSize ? m_fileSize - m_position : 0;
}

int32_t CArchive::SerializeTag() {
  int32_t tag = 2;
  if (IsStoring()) {
    *this << tag;
  } else {
    *this >> tag;
    m_tagsRead.push_back(tag);
  }
  return tag;
}

void CArchive::Close() {
  if (IsStoring()) {
    FlushBuffer();
  }
}

void CArchive::FlushBuffer() {
  std::size_t done = 0;
  while (done < m_bufferUsed) {
    const ssize_t written = ::write(m_fd, m_buffer.data() + done, m_bufferUsed - done);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      const int error = written < 0 ? errno : ENOSPC;
      // The offset of the first byte that did not reach the file.
      const uint64_t offset = m_position - (m_bufferUsed - done);
      throw CArchiveException(CArchiveException::kWriteFault, offset,
                              Describe(CArchiveException::kWriteFault, offset, error));
    }
    done += static_cast<std::size_t>(written);
  }
  m_bufferUsed = 0;
}

void CArchive::Write(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (size > 0) {
    if (m_bufferUsed == m_buffer.size()) {
      FlushBuffer();
    }
    const std::size_t chunk = std::min(size, m_buffer.size() - m_bufferUsed);
    std::memcpy(m_buffer.data() + m_bufferUsed, bytes, chunk);
    m_bufferUsed += chunk;
    m_position += chunk;
    bytes += chunk;
    size -= chunk;
  }
}

void CArchive::Read(void* data, std::size_t size) {
  // Callers read into scratch space, so a value cut short by the end of the
  // file leaves its target untouched.
  auto* out = static_cast<unsigned char*>(data);
  std::size_t got = 0;
  while (got < size) {
    if (m_bufferRead == m_bufferUsed) {
      m_bufferRead = m_bufferUsed = 0;
      const ssize_t count = ::read(m_fd, m_buffer.data(), m_buffer.size());
      if (count < 0 && errno == EINTR) {
        continue;
      }
      if (count <= 0) {
        const auto cause =
            count == 0 ? CArchiveException::kEndOfFile : CArchiveException::kReadFault;
        const int error = count < 0 ? errno : 0;
        throw CArchiveException(cause, m_position, Describe(cause, m_position, error));
      }
      m_bufferUsed = static_cast<std::size_t>(count);
    }
    const std::size_t chunk = std::min(size - got, m_bufferUsed - m_bufferRead);
    std::memcpy(out + got, m_buffer.data() + m_bufferRead, chunk);
    m_bufferRead += chunk;
    got += chunk;
  }
  m_position += size;
}

uint64_t CArchive::StoreLe(uint64_t value, std::size_t width) {
  unsigned char bytes[8];
  for (std::size_t i = 0; i < width; ++i) {
    bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  }
  Write(bytes, width);
  return value;
}

uint64_t CArchive::LoadLe(std::size_t width) {
  unsigned char bytes[8];
  Read(bytes, width);
  uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    value |= static_cast<uint64_t>(bytes[i]) << (8 * i);
  }
  return value;
}

CArchive& CArchive::operator<<(uint8_t value) {
  StoreLe(value, 1);
  return *this;
}
CArchive& CArchive::operator<<(char value) {
  StoreLe(static_cast<unsigned char>(value), 1);
  return *this;
}
CArchive& CArchive::operator<<(uint16_t value) {
  StoreLe(value, 2);
  return *this;
}
CArchive& CArchive::operator<<(int32_t value) {
  StoreLe(static_cast<uint32_t>(value), 4);
  return *this;
}
CArchive& CArchive::operator<<(uint32_t value) {
  StoreLe(value, 4);
  return *this;
}
CArchive& CArchive::operator<<(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  StoreLe(bits, 8);
  return *this;
}

CArchive& CArchive::operator<<(const std::string& value) {
  const std::size_t n = value.size();
  if (n > std::numeric_limits<uint32_t>::max()) {
    throw CArchiveException(CArchiveException::kWriteFault, m_position,
                            Describe(CArchiveException::kWriteFault, m_position, EFBIG));
  }
  if (n < 0xFF) {
    *this << static_cast<uint8_t>(n);
  } else if (n < 0xFFFE) {
    *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(n);
  } else {
    *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(0xFFFF)
          << static_cast<uint32_t>(n);
  }
  Write(value.data(), n);
  return *this;
}

CArchive& CArchive::operator>>(uint8_t& value) {
  value = static_cast<uint8_t>(LoadLe(1));
  return *this;
}
CArchive& CArchive::operator>>(char& value) {
  value = static_cast<char>(static_cast<unsigned char>(LoadLe(1)));
  return *this;
}
CArchive& CArchive::operator>>(uint16_t& value) {
  value = static_cast<uint16_t>(LoadLe(2));
  return *this;
}
CArchive& CArchive::operator>>(int32_t& value) {
  value = static_cast<int32_t>(static_cast<uint32_t>(LoadLe(4)));
  return *this;
}
CArchive& CArchive::operator>>(uint32_t& value) {
  value = static_cast<uint32_t>(LoadLe(4));
  return *this;
}
CArchive& CArchive::operator>>(double& value) {
  const uint64_t bits = LoadLe(8);
  std::memcpy(&value, &bits, sizeof value);
  return *this;
}

CArchive& CArchive::operator>>(std::string& value) {
  // A string cut short fails at its start, whichever of its parts is missing.
  const uint64_t start = m_position;
  const auto endOfFile = [start](const std::string& detail) {
    return CArchiveException(CArchiveException::kEndOfFile, start,
                             Describe(CArchiveException::kEndOfFile, start, 0) + detail);
  };
  try {
    uint64_t n = LoadLe(1);
    if (n == 0xFF) {
      n = LoadLe(2);
      if (n == 0xFFFF) {
        n = LoadLe(4);
      }
    }
    // A corrupt length must not cost memory the file cannot fill.
    if (n > BytesLeft()) {
      throw endOfFile(" (a string of " + std::to_string(n) + " bytes, " +
                      std::to_string(BytesLeft()) + " left)");
    }
    std::string text(static_cast<std::size_t>(n), '\0');
    Read(text.data(), text.size());
    value = std::move(text);
  } catch (const CArchiveException& e) {
    if (e.cause() != CArchiveException::kEndOfFile || e.offset() == start) throw;
    throw endOfFile("");
  }
  return *this;
}

}  // namespace kestrivane
