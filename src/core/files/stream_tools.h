#pragma once
// Line and compression routines of the form record files, on in-memory bytes.
// Lines end with CR LF; a lone CR or LF is part of the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tharvex {

// The plain text of a project is at most this long (a real project is about
// 30 KB); a stored length beyond it marks a damaged file before any memory is
// reserved for it.
inline constexpr int64_t kMaxPlainTextBytes = 8 * 1024 * 1024;

// Reading position in a byte buffer.
struct StreamReader {
  std::string_view data;
  size_t pos = 0;
  bool atEnd() const { return pos >= data.size(); }
};

// Writes the bytes of the text, then CR LF.
void WriteStreamLine(std::string& out, std::string_view text);
// Writes CR LF.
void WriteEmptyLine(std::string& out);
// The bytes up to the first LF that directly follows a CR; the pair is
// consumed and not returned. At the end of the data, what was read so far.
std::string_view ReadStreamLine(StreamReader& in);
// Discards bytes up to and including the next CR LF, or to the end.
void SkipStreamLine(StreamReader& in);

// The stored form: the text's length as 4 bytes little-endian, then the text
// as a zlib stream at level 9. Throws FileError when zlib fails.
std::string CompressToBytes(std::string_view text);
// The inverse. The length is checked (not negative, at most
// kMaxPlainTextBytes, equal to what the stream inflates to) and the stream
// must be whole; otherwise FileError naming `file`.
std::string DecompressFromBytes(std::string_view stored, const std::string& file = {});

// The same through files: CompressToFile writes atomically.
void CompressToFile(std::string_view text, const std::string& file);
std::string DecompressFromFile(const std::string& file);

}  // namespace tharvex
