#pragma once
// Writing the exported files: the whole file or nothing. The bytes go to a
// temporary file beside the target that is then renamed over it, so a failed
// export leaves an existing file as it was.
#include <functional>
#include <string>
#include <string_view>

namespace tharvex::exportdata {

// Writes `bytes` to `path`; false with `error` set (the message the user sees)
// on failure.
bool WriteBytesSafely(const std::string& path, std::string_view bytes, std::string* error);

// For a library that writes to a file name itself: `produce` writes to the
// temporary path it is given and returns false with `error` set when it
// fails; the finished file then replaces `path`.
bool WriteThroughTempFile(const std::string& path,
                          const std::function<bool(const std::string& temp, std::string* error)>& produce,
                          std::string* error);

}  // namespace tharvex::exportdata
