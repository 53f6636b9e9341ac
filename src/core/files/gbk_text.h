#pragma once
// Project files are GBK text; the program works in UTF-8. The conversion
// uses GB18030, which writes every GBK character with the same bytes and
// also has a form for every other character a user may type.
#include <string>
#include <string_view>

namespace tharvex {

// Both throw FileError (BadEncoding) naming the first offending byte offset
// instead of changing or dropping a character.
std::string Utf8ToGbk(std::string_view utf8, const std::string& file = {});
std::string GbkToUtf8(std::string_view gbk, const std::string& file = {});

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF). The byte offset of the first fault goes to
// `badAt` when it is not.
bool IsValidUtf8(std::string_view text, size_t* badAt = nullptr);

}  // namespace tharvex
