// Arbitrary bytes as Kestrivane.ini's text: the reader never crashes, and
// whatever it accepts formats back to text it reads the same way.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/extra_settings.h"
#include "settings/ini_text.h"

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "ini fuzzer: %s\n", what);
    std::abort();
  }
}

bool Same(const std::vector<kestrivane::IniSection>& a,
          const std::vector<kestrivane::IniSection>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].entries != b[i].entries) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kestrivane;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const ParsedIni ini = ParseIni(text);
  Check(ini.ok() || ini.sections.empty(), "sections kept from a refused text");
  if (ini.ok()) {
    const ParsedIni again = ParseIni(FormatIni(ini.sections));
    Check(again.ok() && Same(again.sections, ini.sections), "formatted sections read otherwise");
  }

  const ParsedExtraSettings parsed = ExtraSettingsFromIni(text);
  Check(parsed.error.empty() || parsed.settings == ExtraSettings{}, "values kept from a refusal");
  if (parsed.error.empty()) {
    const std::string stored = ExtraSettingsToIni(parsed.settings);
    const ParsedExtraSettings reread = ExtraSettingsFromIni(stored);
    Check(reread.error.empty(), "stored settings refused");
    Check(reread.settings == parsed.settings, "stored settings read otherwise");
    Check(ExtraSettingsToIni(reread.settings) == stored, "store, read, store changed the text");
  }
  return 0;
}
