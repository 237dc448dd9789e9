#pragma once
// Files for the settings tests: a fresh working directory per test, byte
// helpers and a reporter that records.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_reporter.h"

namespace kestrivane::testing {

using Bytes = std::vector<uint8_t>;

// A new empty directory, made the working directory for the test's life;
// the previous one is restored and the directory removed afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
  std::string m_previous;
};

class RecordingReporter : public SettingsReporter {
 public:
  void ReportError(const std::string& message) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

// "02 00 0f" -> {0x02, 0x00, 0x0F}; blanks are ignored.
Bytes FromHex(const std::string& hex);
Bytes ReadFile(const std::string& path);
void WriteFile(const std::string& path, const Bytes& bytes);
bool FileExists(const std::string& path);

// The file a new document writes: no recipients, the default location.
Bytes DefaultPrefsFile();

void PutLe32(Bytes& bytes, std::size_t offset, uint32_t value);
void PutLe16(Bytes& bytes, std::size_t offset, uint16_t value);

}  // namespace kestrivane::testing
