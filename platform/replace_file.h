#pragma once
// Writing a whole file so that it is either replaced completely or left
// exactly as it was.

#include <string>
#include <string_view>

namespace kestrivane {

// Writes `bytes` to a new file beside `path` (beside the file a symbolic
// link names), syncs it and renames it over `path`; the new file keeps the
// access of the file it replaces, and one we may not write is refused. A
// `path` that exists but is not a regular file (a terminal, a pipe,
// /dev/null) is written to directly. On failure
// `error` reads "cannot write "<path>": <reason>", `path` is unchanged and
// no other file is left behind.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace kestrivane
