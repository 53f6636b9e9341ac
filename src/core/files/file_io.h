#pragma once
// Whole-file reads with a size bound. Files are written by SafeWriteFile
// (core/files/safe_write.h).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tharvex {

// The file's bytes, or nothing when it does not exist. Throws FileError when
// it exists but cannot be read, is not a regular file (NotRegular: a FIFO, a
// device or a folder is refused without waiting on it) or is larger than
// maxBytes.
std::optional<std::string> ReadWholeFile(const std::string& file, int64_t maxBytes);

}  // namespace tharvex
