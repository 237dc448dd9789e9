#include "settings/archive.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "tests/settings/settings_test_support.h"

// The largest single allocation made while a test watches, to show that a
// corrupt length is refused before memory is requested for it.
static std::atomic<std::size_t> g_largestAllocation{0};

void* operator new(std::size_t size) {
  std::size_t seen = g_largestAllocation.load();
  while (size > seen && !g_largestAllocation.compare_exchange_weak(seen, size)) {
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kestrivane {
namespace {

using testing::Bytes;
using testing::FromHex;

class ArchiveTest : public ::testing::Test {
 protected:
  Bytes Store(const std::function<void(CArchive&)>& write) {
    const int fd = ::open("stream.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    {
      CArchive ar(fd, CArchive::kStore);
      EXPECT_TRUE(ar.IsStoring());
      write(ar);
      ar.Close();
    }
    ::close(fd);
    return testing::ReadFile("stream.bin");
  }

  void Load(const Bytes& bytes, const std::function<void(CArchive&)>& read) {
    testing::WriteFile("stream.bin", bytes);
    const int fd = ::open("stream.bin", O_RDONLY);
    ASSERT_GE(fd, 0);
    CArchive ar(fd, CArchive::kLoad);
    EXPECT_TRUE(ar.IsLoading());
    try {
      read(ar);
    } catch (...) {
      ::close(fd);
      throw;
    }
    ::close(fd);
  }

  testing::ScratchDirectory scratch_;
};

TEST_F(ArchiveTest, NumbersAreLittleEndianAtTheirStoredWidth) {
  const struct {
    const char* name;
    std::function<void(CArchive&)> write;
    const char* hex;
  } cases[] = {
      {"int32 2", [](CArchive& ar) { ar << int32_t{2}; }, "02 00 00 00"},
      {"int32 -1", [](CArchive& ar) { ar << int32_t{-1}; }, "FF FF FF FF"},
      {"word 550", [](CArchive& ar) { ar << uint16_t{550}; }, "26 02"},
      {"int16 -2", [](CArchive& ar) { ar << int16_t{-2}; }, "FE FF"},
      {"char N", [](CArchive& ar) { ar << 'N'; }, "4E"},
      {"double 5.0", [](CArchive& ar) { ar << 5.0; }, "00 00 00 00 00 00 14 40"},
      {"packed", [](CArchive& ar) { ar << uint8_t{7} << uint16_t{0x0920} << int32_t{2}; },
       "07 20 09 02 00 00 00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Store(c.write), FromHex(c.hex)) << c.name;
  }
}

TEST_F(ArchiveTest, NumbersLoadBackToTheSameValues) {
  const Bytes bytes = Store([](CArchive& ar) {
    ar << int32_t{-123456} << uint32_t{0xFFFFFFFE} << int16_t{-32768} << uint16_t{65535}
       << uint8_t{0x80} << 'S' << -0.25;
  });
  Load(bytes, [](CArchive& ar) {
    int32_t i = 0;
    uint32_t u = 0;
    int16_t s = 0;
    uint16_t w = 0;
    uint8_t b = 0;
    char c = 0;
    double d = 0;
    ar >> i >> u >> s >> w >> b >> c >> d;
    EXPECT_EQ(i, -123456);
    EXPECT_EQ(u, 0xFFFFFFFEu);
    EXPECT_EQ(s, -32768);
    EXPECT_EQ(w, 65535);
    EXPECT_EQ(b, 0x80);
    EXPECT_EQ(c, 'S');
    EXPECT_EQ(d, -0.25);
    EXPECT_EQ(ar.GetPosition(), 4u + 4 + 2 + 2 + 1 + 1 + 8);
  });
}

TEST_F(ArchiveTest, StringLengthPrefixGrowsAtEachThreshold) {
  const struct {
    std::size_t length;
    const char* prefix;
  } cases[] = {
      {0, "00"},
      {9, "09"},
      {254, "FE"},
      {255, "FF FF 00"},
      {0xFFFD, "FF FD FF"},
      {0xFFFE, "FF FF FF FE FF 00 00"},
      {70000, "FF FF FF 70 11 01 00"},
  };
  for (const auto& c : cases) {
    const std::string text(c.length, 'k');
    const Bytes bytes = Store([&](CArchive& ar) { ar << text; });
    const Bytes prefix = FromHex(c.prefix);
    ASSERT_EQ(bytes.size(), prefix.size() + c.length) << c.length;
    EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), bytes.begin())) << c.length;
    Load(bytes, [&](CArchive& ar) {
      std::string loaded = "untouched";
      ar >> loaded;
      EXPECT_EQ(loaded, text) << c.length;
    });
  }
}

TEST_F(ArchiveTest, TextBytesPassThroughUnchanged) {
  const std::string text(
      "Z\xFC"
      "rich\0x",
      8);
  const Bytes bytes = Store([&](CArchive& ar) { ar << text; });
  EXPECT_EQ(bytes, FromHex("08 5A FC 72 69 63 68 00 78"));
}

TEST_F(ArchiveTest, ALoadCutShortFailsAtTheValueAndKeepsWhatWasRead) {
  const struct {
    const char* name;
    const char* hex;
    uint64_t failsAt;
  } cases[] = {
      {"in a word", "02 00 00 00 26", 4},
      {"in the text of a string", "02 00 00 00 05 41 42", 4},
      {"in a 16-bit length", "02 00 00 00 FF 10", 4},
      {"before anything", "", 0},
  };
  for (const auto& c : cases) {
    int32_t tag = -1;
    std::string text = "before";
    try {
      Load(FromHex(c.hex), [&](CArchive& ar) {
        ar >> tag;
        if (std::string(c.name) == "in a word") {
          uint16_t word = 77;
          try {
            ar >> word;
          } catch (...) {
            EXPECT_EQ(word, 77) << "a half-read word must not be assigned";
            throw;
          }
        }
        ar >> text;
      });
      ADD_FAILURE() << c.name << ": no error";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.cause(), CArchiveException::kEndOfFile) << c.name;
      EXPECT_EQ(e.offset(), c.failsAt) << c.name;
    }
    EXPECT_EQ(tag, c.failsAt == 0 ? -1 : 2) << c.name;
    EXPECT_EQ(text, "before") << c.name;
  }
}

TEST_F(ArchiveTest, ACorruptStringLengthFailsBeforeAnythingIsAllocated) {
  const char* cases[] = {
      "FF FF FF FF FF FF 7F 41 42",  // 2 GiB stated, 2 bytes present
      "FF FF FF FF FF FF FF",        // 4 GiB stated, none present
      "FF 00 01 41",                 // 256 stated, 1 present
  };
  for (const char* hex : cases) {
    const Bytes bytes = FromHex(hex);
    g_largestAllocation = 0;
    std::string text = "kept";
    EXPECT_THROW(Load(bytes, [&](CArchive& ar) { ar >> text; }), CArchiveException) << hex;
    EXPECT_LT(g_largestAllocation.load(), 64u * 1024) << hex;
    EXPECT_EQ(text, "kept") << hex;
  }
}

TEST_F(ArchiveTest, AFailedWriteRaisesTheWriteError) {
  if (!testing::FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  const int fd = ::open("/dev/full", O_WRONLY);
  ASSERT_GE(fd, 0);
  CArchive ar(fd, CArchive::kStore);
  ar << int32_t{2} << std::string(100, 'x');
  try {
    ar.Close();
    ADD_FAILURE() << "no error";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.cause(), CArchiveException::kWriteFault);
    EXPECT_EQ(e.offset(), 0u);
  }
  ::close(fd);
}

}  // namespace
}  // namespace kestrivane
