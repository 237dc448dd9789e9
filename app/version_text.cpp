#include "app/version_text.h"

#include <cstdio>
#include <string_view>

namespace kestrivane {

VersionTexts ReadVersionInfo(const VersionResource* resource) {
  VersionTexts texts;
  if (resource == nullptr) {
    return texts;
  }
  VersionValue value;
  if (QueryVersionValue(*resource, "\\", value) && value.pointer != nullptr) {
    const auto* fixed = static_cast<const FixedFileInfo*>(value.pointer);
    // The fourth part is not shown; the second and third stand side by side.
    char text[64];
    std::snprintf(text, sizeof text, "Version %d.%d%d",
                  static_cast<int>(fixed->dwProductVersionMS >> 16),
                  static_cast<int>(fixed->dwProductVersionMS & 0xffff),
                  static_cast<int>(fixed->dwProductVersionLS >> 16));
    texts.m_strVersion = text;
  }
  const std::string block = std::string("\\StringFileInfo\\") + "040904b0" + "\\";
  for (const char* key : {"CompanyName", "FileDescription", "LegalCopyright", "ProductVersion"}) {
    VersionValue entry;
    if (!QueryVersionValue(*resource, block + key, entry) || (entry.length & 0xffff) == 0 ||
        entry.pointer == nullptr) {
      continue;
    }
    const std::string text = static_cast<const char*>(entry.pointer);
    if (std::string_view(key) == "FileDescription") texts.m_strDescription = text;
    if (std::string_view(key) == "LegalCopyright") texts.m_strCopyright = text;
  }
  return texts;
}

}  // namespace kestrivane
