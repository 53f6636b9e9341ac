#pragma once
// The one way this program writes a file: the new bytes go to a fresh
// temporary file beside the target, created exclusively and never through a
// symbolic link, are flushed to disk, and the temporary file is then renamed
// over the target. A save that fails or is killed half-way leaves the old
// file as it was.
//
//   SafeWriteFile("/home/u/p.zrf", bytes);   // throws FileError on failure
//
// What is refused, with FileError (CannotCreate) and the message
// "Cannot create file "<file>". <reason>":
// - a target that exists and is not a regular file (a folder, a FIFO, a
//   device, a socket), and a symbolic link that names no regular file;
// - a target that is read-only;
// - a folder that does not exist or cannot be written.
// A symbolic link to a regular file is saved through: the file it names is
// written and the link stays a link.
//
// Temporary files are named "<name>.~<pid>-<n>.tmp". Those of a process that
// no longer runs (a killed save) are removed at the next save into the folder.
#include <string>
#include <string_view>

namespace tharvex {

void SafeWriteFile(const std::string& file, std::string_view bytes);

// The file a save of `file` writes: `file` itself, or the regular file a
// symbolic link names. Throws FileError (CannotCreate) for every target
// SafeWriteFile refuses. Callers that must produce expensive content can ask
// first, so a refused target costs nothing.
std::string CheckSaveTarget(const std::string& file);

// Whether `name` (a file name without folder) is one of our temporary names.
// Exposed for the tests.
bool IsSafeWriteTemporary(std::string_view name, long* pid = nullptr);

}  // namespace tharvex
