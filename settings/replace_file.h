#pragma once
// Replacing a whole file so that it holds either all of its new content or
// exactly what it held before.

#include <functional>
#include <string>
#include <string_view>

namespace kestrivane {

// Writes the new content to the open descriptor; empty on success, else
// why not. It must not throw.
using ContentWriter = std::function<std::string(int fd)>;

// What becomes of a path that exists and is not a regular file.
enum class NonRegularFile {
  kRefuse,     // only a regular file is ever replaced
  kWriteInto,  // a device or a pipe (/dev/stdout) takes the content as it comes
};

// Writes the content to a new file beside `path`, syncs it, renames it over
// `path` and syncs the folder. A symbolic link is written through: the file
// it names is replaced in that file's folder, and the link stays. A link to
// nothing and a file whose owner write bit is clear (whoever runs us, root
// too) are refused. The new file keeps the access of the one it replaces.
// Empty on success; else why not, to be read after "<path>: ", with `path`
// as it was and no other file left behind.
std::string ReplaceFile(const std::string& path, const ContentWriter& write,
                        NonRegularFile other = NonRegularFile::kRefuse);

// Writes all of `bytes` to `fd`; empty on success, else why not.
std::string WriteAll(int fd, std::string_view bytes);

// An export: `bytes` replace the file at `path`, or go into the device or
// pipe it names. Empty on success, else "cannot write "<path>": <why>".
std::string ExportFile(const std::string& path, std::string_view bytes);

}  // namespace kestrivane
