#include "core/files/gbk_text.h"

#include <iconv.h>

#include <cerrno>

#include "core/files/file_error.h"

namespace tharvex {

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string Convert(std::string_view in, const char* to, const char* from, const std::string& file, const char* what) {
  // ASCII is the same in both encodings; most project text is ASCII.
  if (IsAscii(in)) return std::string(in);
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw FileError(FileErrorCode::BadEncoding, file,
                    std::string("The text conversion ") + from + " to " + to + " is not available on this system.");
  std::string out;
  // A GB18030 character takes at most 4 bytes, a UTF-8 one at most 4; each
  // input byte yields at most 4 output bytes.
  out.resize(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  int err = errno;
  if (r != static_cast<size_t>(-1)) r = iconv(cd, nullptr, nullptr, &dst, &dstLeft);  // flush any shift state
  iconv_close(cd);
  if (r == static_cast<size_t>(-1) || srcLeft != 0) {
    size_t at = in.size() - srcLeft;
    std::string where = file.empty() ? std::string("The text") : "The file \"" + file + "\"";
    std::string why = err == EINVAL ? " ends inside a character" : " holds a character that cannot be converted";
    throw FileError(FileErrorCode::BadEncoding, file,
                    where + why + " (" + what + ", byte " + std::to_string(at) + ").");
  }
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8, const std::string& file) {
  return Convert(utf8, "GB18030", "UTF-8", file, "UTF-8 to GBK");
}

std::string GbkToUtf8(std::string_view gbk, const std::string& file) {
  return Convert(gbk, "UTF-8", "GB18030", file, "GBK to UTF-8");
}

bool IsValidUtf8(std::string_view text, size_t* badAt) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  for (size_t i = 0; i < n;) {
    const unsigned c = p[i];
    size_t len = 0;
    unsigned lo = 0x80, hi = 0xBF;  // range of the second byte
    if (c < 0x80)
      len = 1;
    else if (c >= 0xC2 && c <= 0xDF)
      len = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      if (c == 0xE0)
        lo = 0xA0;  // no overlong forms
      else if (c == 0xED)
        hi = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      if (c == 0xF0)
        lo = 0x90;
      else if (c == 0xF4)
        hi = 0x8F;  // nothing beyond U+10FFFF
    }
    bool ok = len > 0 && i + len <= n;
    for (size_t k = 1; ok && k < len; ++k) {
      const unsigned b = p[i + k];
      ok = k == 1 ? (b >= lo && b <= hi) : (b >= 0x80 && b <= 0xBF);
    }
    if (!ok) {
      if (badAt) *badAt = i;
      return false;
    }
    i += len;
  }
  return true;
}

}  // namespace tharvex
