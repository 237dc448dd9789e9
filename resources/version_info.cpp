#include "resources/version_info.h"

#include <cstring>

#include "kestrivane/version.h"
#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

constexpr uint32_t kVersionMS =
    (static_cast<uint32_t>(kVersionMajor) << 16) | static_cast<uint32_t>(kVersionMinor);
constexpr uint32_t kVersionLS =
    (static_cast<uint32_t>(kVersionPatch) << 16) | static_cast<uint32_t>(kVersionTweak);

// The keys and values the About box reads, and the rest of the
// block as the program carried it.
constexpr VersionString kStrings[] = {
    {"Comments", ""},
    {"CompanyName", ""},
    {"FileDescription", KV_TRANSLATE_NOOP("Version", "Kestrivane Win32 Application")},
    {"FileVersion", kVersionCommaString},
    {"InternalName", "Kestrivane"},
    {"LegalCopyright", "Copyright (C) 2026 Kestrivane"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Kestrivane.EXE"},
    {"PrivateBuild", ""},
    {"ProductName", "Kestrivane32"},
    {"ProductVersion", kVersionCommaString},
    {"SpecialBuild", ""},
};

constexpr VersionResource kProgramVersion{
    {kVersionMS, kVersionLS, kVersionMS, kVersionLS}, "040904b0", kStrings};

}  // namespace

const VersionResource& ProgramVersionResource() { return kProgramVersion; }

bool QueryVersionValue(const VersionResource& resource, std::string_view subBlock,
                       VersionValue& value) {
  if (subBlock == "\\") {
    value.pointer = &resource.fixed;
    value.length = sizeof resource.fixed;
    return true;
  }
  const std::string prefix = std::string("\\StringFileInfo\\") + resource.translation + "\\";
  if (subBlock.substr(0, prefix.size()) != prefix) {
    return false;
  }
  const std::string_view key = subBlock.substr(prefix.size());
  for (const VersionString& entry : resource.strings) {
    if (key == entry.key) {
      value.pointer = entry.value;
      value.length = static_cast<unsigned>(std::strlen(entry.value) + 1);
      return true;
    }
  }
  return false;
}

}  // namespace kestrivane
