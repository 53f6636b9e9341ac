// Line routines and the stored (compressed) form of project files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/file_error.h"
#include "core/files/stream_tools.h"

namespace tharvex {
namespace {

struct LineCase {
  std::string data;
  std::vector<std::string> lines;  // ReadStreamLine until the end
};

class ReadStreamLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReadStreamLineTest, SplitsOnlyAtCrLfPairs) {
  const auto& c = GetParam();
  StreamReader in{c.data};
  std::vector<std::string> got;
  for (int guard = 0; !in.atEnd() && guard < 100; ++guard) got.emplace_back(ReadStreamLine(in));
  EXPECT_EQ(got, c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadStreamLineTest,
                         ::testing::Values(LineCase{"a\r\nb\r\n", {"a", "b"}},
                                           LineCase{"a\nb\r\n", {"a\nb"}},      // a lone LF stays in the text
                                           LineCase{"a\rb\r\n", {"a\rb"}},      // so does a lone CR
                                           LineCase{"a\r\r\nb", {"a\r", "b"}},  // the pair is the last CR and the LF
                                           LineCase{"a\n\r\nb", {"a\n", "b"}},
                                           LineCase{"\r\n\r\n", {"", ""}},  // empty lines
                                           LineCase{"tail", {"tail"}},      // the end of the data ends the line
                                           LineCase{"x\r", {"x\r"}}));

TEST(StreamToolsTest, WriteAndSkipLines) {
  std::string out;
  WriteStreamLine(out, "abc");
  WriteEmptyLine(out);
  WriteStreamLine(out, "d");
  EXPECT_EQ(out, "abc\r\n\r\nd\r\n");
  StreamReader in{out};
  SkipStreamLine(in);
  SkipStreamLine(in);
  EXPECT_EQ(ReadStreamLine(in), "d");
  EXPECT_TRUE(in.atEnd());
  SkipStreamLine(in);  // at the end: stays there
  EXPECT_TRUE(in.atEnd());
}

TEST(StreamToolsTest, StoredFormIsLengthThenZlibLevel9) {
  std::string text = "CFR File Format(Compatible Form Record File),by Edmar Quillon.\r\n";
  for (int i = 0; i < 300; ++i) text += "WsD\r\nFloat\r\nExchange\r\n1\r\n\r\n";
  std::string stored = CompressToBytes(text);
  ASSERT_GT(stored.size(), 6u);
  uint32_t n = 0;
  for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(stored[static_cast<size_t>(i)]);
  EXPECT_EQ(n, text.size());
  EXPECT_EQ(static_cast<unsigned char>(stored[4]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(stored[5]), 0xDA);
  EXPECT_LT(stored.size(), text.size() / 10);
  EXPECT_EQ(DecompressFromBytes(stored), text);
  EXPECT_EQ(DecompressFromBytes(CompressToBytes("")), "");
}

std::string WithLength(std::string stored, int32_t n) {
  auto u = static_cast<uint32_t>(n);
  for (int i = 0; i < 4; ++i) stored[static_cast<size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
  return stored;
}

struct DamageCase {
  const char* what;
  std::string (*make)(const std::string& good);
  FileErrorCode code;
};

class DamagedStreamTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedStreamTest, IsRejectedWithAMessage) {
  std::string text(5000, 'x');
  for (size_t i = 0; i < text.size(); i += 7) text[i] = static_cast<char>('a' + i % 26);
  std::string bad = GetParam().make(CompressToBytes(text));
  try {
    DecompressFromBytes(bad, "p.zrf");
    FAIL() << GetParam().what << ": accepted";
  } catch (const FileError& e) {
    EXPECT_EQ(e.code(), GetParam().code) << GetParam().what;
    EXPECT_NE(std::string(e.what()).find("p.zrf"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedStreamTest,
    ::testing::Values(
        DamageCase{"three bytes", [](const std::string&) { return std::string("\x05\x00\x00", 3); },
                   FileErrorCode::BadLength},
        DamageCase{"negative length", [](const std::string& g) { return WithLength(g, -1); }, FileErrorCode::BadLength},
        DamageCase{"length beyond 64 MiB", [](const std::string& g) { return WithLength(g, 64 * 1024 * 1024 + 1); },
                   FileErrorCode::BadLength},
        DamageCase{"length larger than the data", [](const std::string& g) { return WithLength(g, 5001); },
                   FileErrorCode::BadLength},
        DamageCase{"length smaller than the data", [](const std::string& g) { return WithLength(g, 4999); },
                   FileErrorCode::BadLength},
        DamageCase{"stream cut short", [](const std::string& g) { return g.substr(0, g.size() / 2); },
                   FileErrorCode::DamagedStream},
        DamageCase{"no stream at all", [](const std::string& g) { return g.substr(0, 4); },
                   FileErrorCode::DamagedStream},
        DamageCase{"garbage", [](const std::string& g) { return g.substr(0, 4) + std::string(200, '\x55'); },
                   FileErrorCode::DamagedStream},
        DamageCase{"wrong check sum",
                   [](const std::string& g) {
                     std::string b = g;
                     b.back() = static_cast<char>(b.back() ^ 0x40);
                     return b;
                   },
                   FileErrorCode::DamagedStream}));

}  // namespace
}  // namespace tharvex
