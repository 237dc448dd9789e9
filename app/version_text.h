#pragma once
// ReadVersionInfo: the About box's three lines from version data.

#include <string>

#include "resources/version_info.h"

namespace kestrivane {

struct VersionTexts {
  std::string m_strDescription;
  std::string m_strVersion;  // "Version %d.%d%d": 0.4.1.0 gives "Version 0.41"
  std::string m_strCopyright;
};

// No version data (nullptr): three empty lines.
VersionTexts ReadVersionInfo(const VersionResource* resource);

}  // namespace kestrivane
