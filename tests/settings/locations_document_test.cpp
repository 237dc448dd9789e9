#include "settings/locations_document.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "settings/archive.h"
#include "settings/settings_editor.h"

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

namespace fs = std::filesystem;

constexpr const char* kPrefs = "Prefs.dat";

// A new empty directory, the working directory for the object's life.
struct ScratchDirectory {
  ScratchDirectory() {
    EXPECT_NE(::mkdtemp(path.data()), nullptr);
    fs::current_path(path);
  }
  ~ScratchDirectory() {
    fs::current_path(previous);
    fs::remove_all(path, error);
  }
  std::error_code error;
  fs::path previous = fs::current_path();
  std::string path = (fs::temp_directory_path() / "kestrivane-XXXXXX").string();
};

struct RecordingReporter : SettingsReporter {
  void ReportError(const std::string& message) override { messages += message + "\n"; }
  std::string messages;
};

// "02 00 0f" -> "\x02\x00\x0F"; blanks are ignored.
std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (auto i = hex.find_first_not_of(' '); i < hex.size(); i = hex.find_first_not_of(' ', i + 2)) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What the working directory holds: names, kinds and access, link targets
// and bytes.
std::string Listing() {
  std::string out;
  for (const auto& entry : fs::recursive_directory_iterator(".")) {
    struct stat info {};
    ::lstat(entry.path().c_str(), &info);
    out += entry.path().string() + " " + std::to_string(info.st_mode) + " ";
    if (entry.is_symlink()) out += fs::read_symlink(entry.path()).string();
    out += (S_ISREG(info.st_mode) ? ReadFile(entry.path()) : "") + "\n";
  }
  return out;
}

TEST(Archive, AFailedWriteIsTheWriteError) {
  const int fd = ::open("/dev/full", O_WRONLY);
  if (fd < 0) GTEST_SKIP() << "no /dev/full on this system";
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

// Answers every dialog with OK, changing nothing.
struct OkEditor : SettingsEditor {
  bool RunPreferencesDialog(CPreferences&) override { return true; }
  bool RunLocationDialog(CLocation&) override { return true; }
  bool RunAlarmsDialog(CAlarmTable&, std::array<AlarmFollowing, kPrayerCount>&, const PrayerTimes&,
                       int32_t) override {
    return true;
  }
};

// A Prefs.dat as the program may find it: whether it opens, what is
// reported, and what the next save leaves. Without a check the save is
// refused and changes nothing.
struct DocumentCase {
  std::string name;
  std::function<void()> make;
  bool opens;
  std::string report;  // part of what is reported
  std::function<void(const CLocations&)> check = {};
};

std::vector<DocumentCase> DocumentCases() {
  // The file a new document writes: no recipients, the default location.
  const std::string defaults = FromHex(
      "02000000 02000000 00000000 01000000 12000000 12000000 00000000 02000000"
      "02000000 00 0000 0F00 02000000 00 0000 0F00 02000000 00 0000 0F00"
      "02000000 00 0000 0F00 02000000 00 0000 0F00 02000000 00 0000 0F00 00000000 00000000"
      "02000000 09 49736C616D61626164 08 50616B697374616E"
      "2100 2800 4E 4900 0A00 45 2602 0000000000001440 02000000 2002 2009");
  // Every value differs from it, in the same layout: "Mogadishu", "Colombia".
  const std::string variant = FromHex(
      "02000000 02000000 01000000 00000000 0F000000 11000000 FDFFFFFF 02000000"
      "02000000 01 0005 1400 02000000 01 0307 1500 02000000 01 0609 1600"
      "02000000 01 090B 1700 02000000 01 0C0D 1800 02000000 F1 0F0F 1900 01000000 00000000"
      "02000000 09 4D6F67616469736875 08 436F6C6F6D626961"
      "0200 0200 53 2D00 1400 57 0900 0000000000000CC0 02000000 0089 0003");
  // `read` up to `kept`, defaults after it, and Fajr's alarm as set before saving.
  const auto saved = [=](std::string read, std::size_t kept) {
    read = read.substr(0, kept) + defaults.substr(std::min(kept, defaults.size()));
    return read.replace(36, 4, "\x01\x07\x06\x15");
  };
  const auto writes = [](const std::string& expected) {
    return [=](const CLocations&) { EXPECT_EQ(ReadFile(kPrefs), expected); };
  };
  const auto file = [](const std::string& bytes) {
    return [=] { std::ofstream(kPrefs, std::ios::binary) << bytes; };
  };
  const auto link = [](const char* target) { fs::create_symlink(target, kPrefs); };
  // Three recipients of 3, 255 and 0xFFFE characters; the older alarm
  // block (tag 1, 168 bytes); other tags.
  const std::string recipients = variant.substr(0, 90) + FromHex("03000000 03 616263 FF FF00") +
                                 std::string(255, 'r') + FromHex("FF FFFF FEFF0000") +
                                 std::string(0xFFFE, 's') + variant.substr(94);
  const std::string older =
      variant.substr(0, 28) + FromHex("01000000") + std::string(168, '\xA5') + variant.substr(94);
  std::string tagged = variant;
  for (std::size_t offset : {0, 4, 28, 32, 41, 50, 59, 68, 77, 94, 137}) tagged[offset] = 7;
  tagged[28] = 0, tagged[59] = 9;

  const std::string longName(250, 'p');  // a temporary's name beside it is too long
  // Our first temporary's name, and a name someone else may use for theirs.
  const std::vector<std::string> inTheWay = {"Prefs.dat.tmp" + std::to_string(::getpid()) + "-0",
                                             "Prefs.dat.tmp"};
  std::vector<DocumentCase> cases = {
      {"missing", [] {}, true, "", writes(saved(defaults, 145))},
      {"long recipients", file(recipients), true, "", writes(saved(recipients, recipients.size()))},
      {"older alarm layout", file(older), true, "",
       [=](const CLocations& doc) {
         EXPECT_EQ(doc.m_loadReport.alarmsTag, 1);
         EXPECT_EQ(ReadFile(kPrefs), saved(variant, 145).replace(40, 54, defaults, 40, 54));
       }},
      {"tags other than 1 and 2", file(tagged), true, "",
       [=](const CLocations& doc) {
         const SettingsLoadReport& r = doc.m_loadReport;
         EXPECT_EQ(
             std::vector<int32_t>({r.documentTag, r.preferencesTag, r.alarmsTag, r.entryTags[2],
                                   r.entryTags[3], r.locationTag, r.dstRuleTag}),
             std::vector<int32_t>({7, 7, 0, 7, 9, 7, 7}));
         EXPECT_EQ(ReadFile(kPrefs), saved(variant, 145));
       }},
      {"directory", [] { fs::create_directory(kPrefs); }, false, "it is not a regular file."},
      {"FIFO without a writer", [] { ::mkfifo(kPrefs, 0644); }, false, "not a regular file"},
      {"link to a device", [=] { link("/dev/zero"); }, false, "not a regular file"},
      {"dangling link", [=] { link("gone"); }, false, "link to a file that does not exist"},
      {"no room for the new file's name",  // and the damaged file's copy is not made
       [=] { std::ofstream(longName) << variant.substr(0, 20), link(longName.c_str()); }, false,
       "cannot create a new file beside it: File name too long"},
      {"files where the new one might go",
       [=] {
         for (const std::string& name : inTheWay) std::ofstream(name) << name;
       },
       true, "",
       [=](const CLocations&) {
         for (const std::string& name : inTheWay) EXPECT_EQ(ReadFile(name), name);
         EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 3);
       }},
      {"no room for the damaged copy",
       [=] { file(variant.substr(0, 20))(), fs::create_directory("Prefs.dat.bad"); }, false,
       "could not be kept as \"Prefs.dat.bad\""},
      {"write-protected", [=] { file(variant)(), ::chmod(kPrefs, 0444); }, true,
       "\"Prefs.dat\": it is write-protected."},
      {"link through a link to a damaged file",
       [=] {
         fs::create_directory("kept");
         std::ofstream("kept/Prefs.dat", std::ios::binary) << variant.substr(0, 100);
         ::chmod("kept/Prefs.dat", 0640);
         fs::create_symlink("Prefs.dat", "kept/link");
         link("kept/link");
       },
       false, "kept as \"Prefs.dat.bad\"",
       [=](const CLocations&) {
         EXPECT_EQ(ReadFile("kept/Prefs.dat"), saved(variant, 98));
         EXPECT_EQ(fs::read_symlink(kPrefs), "kept/link");
         EXPECT_EQ(fs::status("kept/Prefs.dat").permissions(), fs::perms(0640));
         EXPECT_EQ(ReadFile("Prefs.dat.bad"), variant.substr(0, 100));
         EXPECT_EQ(std::distance(fs::directory_iterator("kept"), {}), 2);
       }},
  };
  const auto damaged = [&](const std::string& name, const std::string& bytes, std::size_t kept) {
    cases.push_back({name, file(bytes), false, "ends at byte offset " + std::to_string(kept) + ",",
                     [=](const CLocations&) {
                       EXPECT_EQ(ReadFile(kPrefs), saved(variant, kept));
                       EXPECT_EQ(ReadFile("Prefs.dat.bad"), bytes);
                     }});
  };
  // Where each stored value ends: a value is loaded only when all of it is there.
  std::vector<std::size_t> ends = {4,   8,   12,  16,  20,  24,  28,  32,  90,  94,  98, 108,
                                   117, 119, 121, 122, 124, 126, 127, 129, 137, 141, 143};
  for (std::size_t i = 0; i < 54; i += 9) ends.insert(ends.end(), {36 + i, 37 + i, 39 + i, 41 + i});
  for (std::size_t cut = 0; cut < 145; ++cut) {
    std::size_t kept = 0;
    for (std::size_t end : ends) kept = end <= cut ? std::max(end, kept) : kept;
    damaged("cut at " + std::to_string(cut), variant.substr(0, cut), kept);
  }
  damaged("2 G recipients", variant.substr(0, 93) + "\x7F" + variant.substr(94), 94);
  damaged("a city of 2 GiB", variant.substr(0, 98) + FromHex("FF FFFF FFFFFF7F 4142"), 98);
  damaged("a city of 4 GiB", variant.substr(0, 98) + FromHex("FF FFFF FFFFFFFF"), 98);
  return cases;
}

TEST(Document, OpensOrReportsAndNeverBreaksWhatItCannotReplace) {
  ScratchDirectory outer;
  for (const DocumentCase& c : DocumentCases()) {
    SCOPED_TRACE(c.name);
    ScratchDirectory scratch;
    RecordingReporter reporter;
    c.make();
    const std::string before = Listing();
    CLocations doc(reporter);
    g_largestAllocation = 0;
    EXPECT_EQ(doc.OnOpenDocument(kPrefs), c.opens);
    EXPECT_LT(g_largestAllocation.load(), 1u << 20);
    EXPECT_EQ(reporter.messages.empty(), c.opens) << reporter.messages;
    EXPECT_EQ(doc.IsModified(), !c.opens);
    OkEditor ok;  // an OK that changes nothing counts only what is not saved yet
    EXPECT_EQ(doc.EditPreferences(ok) || doc.EditLocation(ok), !c.opens);
    if (!c.opens) {
      EXPECT_EQ(Listing(), before) << "a failed open changes nothing";
    }
    doc.m_preferences.m_alarms.SetAlarm(0, true, 0x0607, 21);
    EXPECT_EQ(doc.OnSaveDocument(kPrefs), bool(c.check));
    EXPECT_NE(reporter.messages.find(c.report), std::string::npos) << reporter.messages;
    if (c.check) {
      EXPECT_FALSE(doc.IsModified());
      ASSERT_TRUE(doc.OnSaveDocument(kPrefs));  // a damaged file is kept once only
      c.check(doc);
      continue;
    }
    EXPECT_FALSE(doc.OnSaveDocument(kPrefs)) << "and so is the next";
    EXPECT_EQ(Listing(), before);
    const CAlarmTable& alarms = doc.m_preferences.m_alarms;
    EXPECT_EQ(alarms.m_bDirty + alarms.m_alarm[0].m_bDirty + alarms.m_alarm[1].m_bDirty,
              c.opens ? 2 : 3);
  }
}

// Kestrivane.ini beside Prefs.dat as the program may find it: what is
// loaded, what is reported (once), and that no version of it is lost.
TEST(Document, KeepsItsSecondFileOrReportsItOnce) {
  ScratchDirectory outer;
  // clang-format off
  const ExtraSettings custom{{MethodId::kCustom, 17.125, 16.3, 75, 100, 4.5, false, {},
                              {-2, 0, 0, 0, 0, 30}, Rounding::kUp, HighLatitudeRule::kAngleBased},
                             {{{}, {}, {}, {}, {true, 0}, {true, 60}}},
                             {HijriCalendar::kCivil, -2, true}};
  // clang-format on
  const ExtraSettings kuwait{MethodFor(MethodId::kKuwait), {}, {}};
  const std::string good = ExtraSettingsToIni(kuwait);
  const auto with = [&](const std::string& from, const std::string& to) {
    return std::string(good).replace(good.find(from), from.size(), to);
  };
  const std::string longName(250, 'k');  // no temporary's name fits beside it
  const struct {
    std::string name;
    std::optional<std::string> ini;  // none: no such file
    std::string report;              // part of the one report; empty: none
    bool damaged = true;
  } cases[] = {
      {"missing", std::nullopt, "", false},
      {"64 KiB with CR LF, notes and keys of others",
       with("\n[Adj", "\r\n;" + std::string(65522 - good.size(), '.') + "\r\n[X]\nY = 1\n[Adj"), "",
       false},
      {"cut short", good.substr(0, good.find("IshaAngle") + 4), "line 6 ends without a line break"},
      {"cut at a line's end", good.substr(0, good.find("IshaAngle")), "it has no IshaAngle in [M"},
      {"a Prefs.dat", std::string("\2\0\0\0\2\0\0\0", 8), "line 1 holds a control character"},
      {"larger than a settings file", std::string(65537, '\n'), "larger than 65536 bytes"},
      {"unknown method", with("=kuwait", "=Kuwait"), "Name in [Method] is not"},
      {"negative angle", with("=17.5", "=-17.5"), "IshaAngle in [Method] is not"},
      {"angle over 30", with("=17.5", "=30.5"), "IshaAngle in [Method] is not"},
      {"'Isha minutes over 240", with("IshaMinutes=0", "IshaMinutes=241"), "IshaMinutes in [M"},
      {"adjustment under -30", with("Asr=0", "Asr=-31"), "Asr in [Adjustments] is not"},
      {"adjustment with two signs", with("Asr=0", "Asr=+-3"), "Asr in [Adjustments] is not"},
      {"offset over 60", with("IshaOffset=0", "IshaOffset=61"), "IshaOffset in [Alarms] is not"},
      {"offset with a sign", with("IshaOffset=0", "IshaOffset=+1"), "IshaOffset in [Alarms] is"},
      {"follows as a number", with("=false", "=0"), "FajrFollows in [Alarms] is not true or"},
      {"Hijri adjustment over 2", good + "[Hijri]\nCalendar=civil\nAdjustment=+3\n",
       "Adjustment in [H"},
      {"Hijri without its column", good + "[Hijri]\nCalendar=none\nAdjustment=0\n", "no Timetab"},
      {"a section without brackets", with("[Method]", "Method"), "line 3 is neither a [section]"},
      {"a key before any section", "Name=classic\n" + good, "line 1 has a key before the first"},
      {"a key given twice", good + "[Method]\nName=classic\n", "line 35 repeats a key"},
      {"write-protected", good, "\"Kestrivane.ini\": it is write-protected", false},
      {"in a folder without room", good, "cannot create a new file beside it", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDirectory scratch;
    const std::string iniName = c.name == "in a folder without room" ? longName : "Kestrivane.ini";
    if (c.ini) std::ofstream(iniName, std::ios::binary) << *c.ini;
    if (iniName != "Kestrivane.ini") fs::create_symlink(iniName, "Kestrivane.ini");
    if (c.name == "write-protected") ::chmod("Kestrivane.ini", 0444);
    RecordingReporter reporter;
    CLocations doc(reporter);
    EXPECT_TRUE(doc.OnOpenDocument(kPrefs));
    EXPECT_EQ(doc.m_extra, c.ini && !c.damaged ? kuwait : ExtraSettings{});
    EXPECT_EQ(doc.IsModified(), c.damaged);
    EXPECT_TRUE(doc.OnSaveDocument(kPrefs));  // a damaged file is kept, classic written
    EXPECT_EQ(fs::exists("Kestrivane.ini.bad"), c.damaged);
    if (c.damaged) {
      EXPECT_EQ(ReadFile("Kestrivane.ini.bad"), *c.ini);
      EXPECT_EQ(ReadFile("Kestrivane.ini"), ExtraSettingsToIni({}));
    }
    EXPECT_EQ(fs::exists("Kestrivane.ini"), bool(c.ini)) << "no file for the defaults";

    doc.m_extra = custom;
    doc.m_preferences.m_alarms.SetAlarm(0, true, 0x0607, 21);
    const bool writable = c.report.empty() || c.damaged;
    EXPECT_EQ(doc.OnSaveDocument(kPrefs), writable);
    EXPECT_EQ(doc.IsModified(), !writable);
    CLocations again(reporter);
    again.OnOpenDocument(kPrefs);
    EXPECT_EQ(again.m_extra, writable ? custom : kuwait);
    EXPECT_TRUE(again.m_preferences.m_alarms.m_alarm[0].IsOn()) << "Prefs.dat saved";
    EXPECT_NE(reporter.messages.find(c.report), std::string::npos) << reporter.messages;
    EXPECT_EQ(std::count(reporter.messages.begin(), reporter.messages.end(), '\n'),
              c.report.empty() ? 0 : 1);
  }
}

}  // namespace
}  // namespace kestrivane
