// Arbitrary bytes as Prefs.dat: load through the document, save, load the
// saved file again. A load may fail but never crash; what is saved always
// loads; and a file already in the written form saves back byte for byte.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/locations_document.h"

namespace {

using Bytes = std::vector<uint8_t>;

class CountingReporter : public kestrivane::SettingsReporter {
 public:
  void ReportError(const std::string&) override { ++count; }
  int count = 0;
};

// A directory of its own, in memory where possible: every run syncs files.
class WorkDirectory {
 public:
  WorkDirectory() {
    const std::string base = ::access("/dev/shm", W_OK) == 0
                                 ? std::string("/dev/shm")
                                 : std::filesystem::temp_directory_path().string();
    path = base + "/prefs-fuzz-XXXXXX";
    if (::mkdtemp(path.data()) == nullptr) std::abort();
  }
  ~WorkDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string path;
};

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "prefs fuzzer: %s\n", what);
    std::abort();
  }
}

bool InWrittenForm(const kestrivane::CLocations& doc) {
  const kestrivane::SettingsLoadReport& tags = doc.m_loadReport;
  bool form = tags.documentTag == 2 && tags.preferencesTag == 2 && tags.alarmsTag == 2 &&
              tags.locationTag == 2 && tags.dstRuleTag == 2;
  for (const int32_t tag : tags.entryTags) form = form && tag == 2;
  return form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const WorkDirectory directory;
  const std::string prefs = directory.path + "/Prefs.dat";
  std::filesystem::remove(prefs + ".bad");
  {
    std::ofstream out(prefs, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const Bytes input(data, data + size);

  CountingReporter reporter;
  kestrivane::CLocations doc(reporter);
  const bool loaded = doc.OnOpenDocument(prefs);
  Check(reporter.count == (loaded ? 0 : 1), "one report exactly when the load fails");
  Check(loaded != doc.IsModified(), "modified exactly when the load failed");
  Check(doc.OnSaveDocument(prefs), "save failed");
  Check(!doc.IsModified(), "flags raised after a save");
  Check(std::filesystem::exists(prefs + ".bad") == !loaded, "damaged copy kept iff load failed");
  if (!loaded) Check(ReadAll(prefs + ".bad") == input, "damaged copy differs");

  const Bytes stored = ReadAll(prefs);
  if (loaded) {
    // Loading drops only foreign tags, the older alarm block, long length
    // prefixes and trailing bytes; each makes the input differ in tags or size.
    Check(stored.size() <= input.size(), "stored file grew");
    if (InWrittenForm(doc) && stored.size() == input.size()) {
      Check(stored == input, "a file in written form did not store back to its bytes");
    }
  }

  kestrivane::CLocations again(reporter);
  Check(again.OnOpenDocument(prefs), "a saved file does not load");
  Check(InWrittenForm(again) && !again.IsModified(), "saved file not in written form");
  Check(again.OnSaveDocument(prefs), "second save failed");
  Check(ReadAll(prefs) == stored, "store, load, store changed the bytes");
  return 0;
}
