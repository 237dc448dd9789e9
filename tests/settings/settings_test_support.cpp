#include "tests/settings/settings_test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kestrivane::testing {

ScratchDirectory::ScratchDirectory() {
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof cwd) != nullptr) m_previous = cwd;
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrivane-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "mkdtemp failed";
    return;
  }
  m_path = pattern;
  EXPECT_EQ(::chdir(m_path.c_str()), 0);
}

ScratchDirectory::~ScratchDirectory() {
  if (!m_previous.empty()) {
    EXPECT_EQ(::chdir(m_previous.c_str()), 0);
  }
  std::error_code ignored;
  if (!m_path.empty()) {
    // Undo permission changes a test made so the tree can be removed.
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }
}

Bytes FromHex(const std::string& hex) {
  Bytes bytes;
  std::string digits;
  for (char c : hex) {
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
  }
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

bool FileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

Bytes DefaultPrefsFile() {
  return FromHex(
      "02 00 00 00 02 00 00 00 00 00 00 00 01 00 00 00"
      "12 00 00 00 12 00 00 00 00 00 00 00 02 00 00 00"
      "02 00 00 00 00 00 00 0F 00 02 00 00 00 00 00 00"
      "0F 00 02 00 00 00 00 00 00 0F 00 02 00 00 00 00"
      "00 00 0F 00 02 00 00 00 00 00 00 0F 00 02 00 00"
      "00 00 00 00 0F 00 00 00 00 00 00 00 00 00 02 00"
      "00 00 09 49 73 6C 61 6D 61 62 61 64 08 50 61 6B"
      "69 73 74 61 6E 21 00 28 00 4E 49 00 0A 00 45 26"
      "02 00 00 00 00 00 00 14 40 02 00 00 00 20 02 20"
      "09");
}

void PutLe32(Bytes& bytes, std::size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

void PutLe16(Bytes& bytes, std::size_t offset, uint16_t value) {
  for (int i = 0; i < 2; ++i) bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace kestrivane::testing
