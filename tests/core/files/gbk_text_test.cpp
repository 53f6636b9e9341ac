// Conversion between the program's UTF-8 and the files' GBK text.
#include <gtest/gtest.h>

#include "core/files/file_error.h"
#include "core/files/gbk_text.h"

namespace tharvex {
namespace {

struct Pair {
  std::string utf8;
  std::string gbk;
};

class GbkPairTest : public ::testing::TestWithParam<Pair> {};

TEST_P(GbkPairTest, ConvertsBothWays) {
  EXPECT_EQ(Utf8ToGbk(GetParam().utf8), GetParam().gbk);
  EXPECT_EQ(GbkToUtf8(GetParam().gbk), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Cases, GbkPairTest,
                         ::testing::Values(Pair{"WsD\r\n", "WsD\r\n"},
                                           Pair{"△▲", "\xA1\xF7\xA1\xF8"},  // memo line marks
                                           Pair{"热流体", "\xC8\xC8\xC1\xF7\xCC\xE5"},
                                           Pair{"m²", "m\x81\x30\x85\x35"},  // not in GBK: a four-byte GB18030 form
                                           Pair{"€", "\xA2\xE3"}));

TEST(GbkTextTest, KeepsCharactersOutsideGbk) {
  // Any character a user may type survives a save and a load.
  for (std::string s : {"😀 ok", "é ü ñ", "한국어", "°C ± µ"}) EXPECT_EQ(GbkToUtf8(Utf8ToGbk(s)), s);
}

TEST(GbkTextTest, RejectsWhatCannotBeConverted) {
  // Invalid UTF-8 inside the program and undecodable bytes in a file are
  // errors naming the file, never silently changed.
  EXPECT_THROW(Utf8ToGbk("ok \xFF bad"), FileError);
  try {
    GbkToUtf8("abc\xC8", "x.zrf");  // a lead byte at the end
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.code(), FileErrorCode::BadEncoding);
    EXPECT_NE(std::string(e.what()).find("x.zrf"), std::string::npos);
  }
  EXPECT_THROW(GbkToUtf8("\x80"), FileError);
  EXPECT_THROW(GbkToUtf8("\xFF\xFF"), FileError);
}

}  // namespace
}  // namespace tharvex
