#include "core/files/stream_tools.h"

#include <zlib.h>

#include <cstring>

#include "core/files/file_error.h"
#include "core/files/file_io.h"
#include "core/files/safe_write.h"

namespace tharvex {

void WriteStreamLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append("\r\n");
}

void WriteEmptyLine(std::string& out) { out.append("\r\n"); }

std::string_view ReadStreamLine(StreamReader& in) {
  size_t start = in.pos;
  size_t n = in.data.size();
  for (size_t i = start; i < n; ++i) {
    if (in.data[i] == '\n' && i > start && in.data[i - 1] == '\r') {
      in.pos = i + 1;
      return in.data.substr(start, i - 1 - start);
    }
  }
  in.pos = n;
  return in.data.substr(start);
}

void SkipStreamLine(StreamReader& in) { ReadStreamLine(in); }

namespace {

void PutLength(std::string& out, uint32_t n) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
}

int32_t GetLength(std::string_view s) {
  uint32_t n = 0;
  for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(s[static_cast<size_t>(i)]);
  return static_cast<int32_t>(n);
}

[[noreturn]] void Damaged(FileErrorCode code, const std::string& file, const std::string& why) {
  std::string where = file.empty() ? std::string("The data") : "The file \"" + file + "\"";
  throw FileError(code, file, where + " is damaged: " + why + ".");
}

}  // namespace

std::string CompressToBytes(std::string_view text) {
  if (static_cast<int64_t>(text.size()) > kMaxPlainTextBytes)
    throw FileError(FileErrorCode::TooLarge, {}, "The project text is too large to be stored.");
  z_stream z{};
  if (deflateInit(&z, 9) != Z_OK) throw FileError(FileErrorCode::CannotCreate, {}, "Compression could not start.");
  uLong bound = deflateBound(&z, static_cast<uLong>(text.size()));
  std::string out;
  out.reserve(4 + bound);
  PutLength(out, static_cast<uint32_t>(text.size()));
  out.resize(4 + bound);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data() + 4);
  z.avail_out = static_cast<uInt>(bound);
  // The bound holds the whole stream, so one finishing call completes it.
  int r = deflate(&z, Z_FINISH);
  size_t produced = z.total_out;
  deflateEnd(&z);
  if (r != Z_STREAM_END) throw FileError(FileErrorCode::CannotCreate, {}, "Compression failed.");
  out.resize(4 + produced);
  return out;
}

std::string DecompressFromBytes(std::string_view stored, const std::string& file) {
  if (stored.size() < 4) Damaged(FileErrorCode::BadLength, file, "it is too short to hold a length");
  int32_t n = GetLength(stored);
  if (n < 0 || n > kMaxPlainTextBytes) Damaged(FileErrorCode::BadLength, file, "its stored length is impossible");
  std::string_view packed = stored.substr(4);
  if (packed.size() > UINT32_MAX) Damaged(FileErrorCode::TooLarge, file, "it is too large");

  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw FileError(FileErrorCode::CannotRead, file, "Decompression could not start.");
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  z.avail_in = static_cast<uInt>(packed.size());

  // Inflate in chunks, so memory grows with what the stream really holds and
  // never past the stored length. Each call either fills the chunk or uses up
  // the input, which bounds the loop.
  std::string out;
  constexpr size_t kChunk = 64 * 1024;
  char buf[kChunk];
  const size_t maxCalls = static_cast<size_t>(n) / kChunk + 4;
  std::string why;
  FileErrorCode code = FileErrorCode::DamagedStream;
  for (size_t call = 0;; ++call) {
    if (call > maxCalls) {
      why = "its compressed data does not end";
      break;
    }
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = kChunk;
    int r = inflate(&z, Z_NO_FLUSH);
    size_t produced = kChunk - z.avail_out;
    if (out.size() + produced > static_cast<size_t>(n)) {
      why = "its data is longer than its stored length";
      code = FileErrorCode::BadLength;
      break;
    }
    out.append(buf, produced);
    if (r == Z_STREAM_END) {
      if (out.size() != static_cast<size_t>(n)) {
        why = "its data is shorter than its stored length";
        code = FileErrorCode::BadLength;
      }
      break;
    }
    if (r == Z_OK) {
      // All input used, room left in the chunk, yet no end of stream.
      if (z.avail_in == 0 && produced < kChunk) {
        why = "its compressed data is cut short";
        break;
      }
      continue;
    }
    why = r == Z_BUF_ERROR ? "its compressed data is cut short" : "its compressed data is invalid";
    break;
  }
  inflateEnd(&z);
  if (!why.empty()) Damaged(code, file, why);
  return out;
}

void CompressToFile(std::string_view text, const std::string& file) { SafeWriteFile(file, CompressToBytes(text)); }

std::string DecompressFromFile(const std::string& file) {
  auto bytes = ReadWholeFile(file, kMaxPlainTextBytes + 1024 * 1024);
  if (!bytes) throw FileError(FileErrorCode::CannotRead, file, "The file \"" + file + "\" does not exist.");
  return DecompressFromBytes(*bytes, file);
}

}  // namespace tharvex
