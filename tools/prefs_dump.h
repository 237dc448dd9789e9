#pragma once
// kestrivane-times and the settings file: reading it without ever writing,
// and printing every stored field.

#include <iosfwd>
#include <string>

#include "settings/locations_document.h"

namespace kestrivane {

enum class PrefsFileResult { kLoaded, kMissing, kFailed };

// Loads `path` and Kestrivane.ini beside it into `document` without
// creating or changing any file. On kFailed, `error` holds the document's
// report (naming the file and where it ended); on kLoaded, what was
// reported of Kestrivane.ini, which is then left out.
PrefsFileResult ReadPrefsFile(const std::string& path, CLocations& document, std::string& error);

// One JSON object with every stored field, tags from the load report; the
// entries of an alarm block in the older layout are absent ("olderLayout":
// true).
void WritePrefsJson(std::ostream& out, const CLocations& document);

// A JSON string literal of stored text; every character outside printable
// ASCII is escaped.
std::string JsonString(const std::string& bytes);

}  // namespace kestrivane
