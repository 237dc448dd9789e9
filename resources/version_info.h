#pragma once
// The program's version data, as the platform's version resource carried it:
// a fixed part with the file and product versions and one string table
// (language 0409, code page 04b0) of descriptive values. Read through
// QueryVersionValue the way VerQueryValueA reads a version block.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kestrivane {

struct FixedFileInfo {
  uint32_t dwFileVersionMS;  // major << 16 | minor
  uint32_t dwFileVersionLS;  // patch << 16 | tweak
  uint32_t dwProductVersionMS;
  uint32_t dwProductVersionLS;
};

struct VersionString {
  const char* key;
  const char* value;
};

struct VersionResource {
  FixedFileInfo fixed;
  const char* translation;  // "040904b0"
  std::span<const VersionString> strings;
};

// The program's own version data, from the CMake project version.
const VersionResource& ProgramVersionResource();

// What a query for `subBlock` finds: "\\" gives the fixed part (as bytes),
// "\\StringFileInfo\\040904b0\\Key" a string value with its length in
// characters including the terminating zero. Unknown blocks: false.
struct VersionValue {
  const void* pointer = nullptr;
  unsigned length = 0;
};
bool QueryVersionValue(const VersionResource& resource, std::string_view subBlock,
                       VersionValue& value);

}  // namespace kestrivane
