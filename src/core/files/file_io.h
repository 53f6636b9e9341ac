#pragma once
// Whole-file reads with a size bound, and atomic whole-file writes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tharvex {

// The file's bytes, or nothing when it does not exist. Throws FileError when
// it exists but cannot be read or is larger than maxBytes.
std::optional<std::string> ReadWholeFile(const std::string& file, int64_t maxBytes);

// Writes a temporary file in the target's folder, flushes it to disk and
// renames it over the target. On any failure the previous file stays as it
// was, the temporary file is removed, and FileError (CannotCreate) is thrown
// with the message "Cannot create file "<file>". <reason>".
void WriteFileAtomic(const std::string& file, std::string_view bytes);

}  // namespace tharvex
