#pragma once
// The settings stream: little-endian primitives packed back to back, with
// no header, no lengths of records and no names. Reader and writer must walk
// the same fields in the same order.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrivane {

// The one error the stream raises: a load past the end of the file, or a
// failed read or write. It travels out of every Serialize to the document.
class CArchiveException : public std::runtime_error {
 public:
  enum Cause { kEndOfFile, kReadFault, kWriteFault };

  CArchiveException(Cause cause, uint64_t offset, const std::string& what);

  Cause cause() const { return m_cause; }
  // Stream offset of the value that could not be read or written.
  uint64_t offset() const { return m_offset; }

 private:
  Cause m_cause;
  uint64_t m_offset;
};

class CArchive {
 public:
  enum Mode { kLoad, kStore };

  // Works on an open file descriptor it does not own. A loading archive
  // takes the file's size once, so that a corrupt length can be refused
  // before anything is allocated for it.
  CArchive(int fd, Mode mode);
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;
  // Does not flush: a store that was not closed is abandoned.
  ~CArchive() = default;

  bool IsLoading() const { return m_mode == kLoad; }
  bool IsStoring() const { return m_mode == kStore; }

  // Writes out whatever is still buffered (storing).
  void Close();

  // Bytes produced or consumed so far.
  uint64_t GetPosition() const { return m_position; }
  // Loading: bytes of the file not yet consumed.
  uint64_t BytesLeft() const;

  // The schema tag that opens every record: storing writes 2; loading reads
  // it, returns it and adds it to TagsRead(), so the records keep none.
  int32_t SerializeTag();
  const std::vector<int32_t>& TagsRead() const { return m_tagsRead; }

  CArchive& operator<<(uint8_t value);
  CArchive& operator<<(char value);
  CArchive& operator<<(uint16_t value);
  CArchive& operator<<(int32_t value);
  CArchive& operator<<(uint32_t value);
  CArchive& operator<<(double value);
  CArchive& operator<<(const std::string& value);

  CArchive& operator>>(uint8_t& value);
  CArchive& operator>>(char& value);
  CArchive& operator>>(uint16_t& value);
  CArchive& operator>>(int32_t& value);
  CArchive& operator>>(uint32_t& value);
  CArchive& operator>>(double& value);
  // The target is assigned only when the whole string was read.
  CArchive& operator>>(std::string& value);

 private:
  void Write(const void* data, std::size_t size);
  void Read(void* data, std::size_t size);
  void FlushBuffer();
  uint64_t StoreLe(uint64_t value, std::size_t width);
  uint64_t LoadLe(std::size_t width);

  int m_fd;
  Mode m_mode;
  uint64_t m_position = 0;
  uint64_t m_fileSize = 0;
  std::vector<unsigned char> m_buffer;
  std::size_t m_bufferUsed = 0;  // storing: bytes waiting; loading: bytes held
  std::size_t m_bufferRead = 0;  // loading: bytes of the buffer consumed
  std::vector<int32_t> m_tagsRead;
};

}  // namespace kestrivane
