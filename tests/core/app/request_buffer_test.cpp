// The local service's requests cut from a connection's byte stream.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/request_buffer.h"
#include "core/app/split_numbers.h"

namespace tharvex {
namespace {

using namespace std::string_literals;

TEST(RequestBuffer, PiecesGiveWholeRequestsInOrder) {
  struct Case {
    const char* what;
    std::vector<std::string> pieces;
    std::vector<std::string> requests;
    size_t pending;
  } cases[] = {
      {"one request", {"7;1;2;3\0"s}, {"7;1;2;3"}, 0},
      {"split anywhere", {"7;1", ";2;", "3\0"s, "8;0;0;1\0"s}, {"7;1;2;3", "8;0;0;1"}, 0},
      {"two in one piece, a third begun", {"1;1\0002;2\0003;"s}, {"1;1", "2;2"}, 2},
      {"empty requests", {"\0\0"s}, {"", ""}, 0},
      {"nothing yet", {"12;3"}, {}, 4},
  };
  for (const Case& c : cases) {
    RequestBuffer b;
    std::vector<std::string> got;
    for (const auto& p : c.pieces) {
      auto fed = b.Feed(p);
      EXPECT_FALSE(fed.overflow) << c.what;
      got.insert(got.end(), fed.requests.begin(), fed.requests.end());
    }
    EXPECT_EQ(got, c.requests) << c.what;
    EXPECT_EQ(b.pending(), c.pending) << c.what;
  }
}

TEST(RequestBuffer, TooLongWithoutAZeroByteOverflows) {
  RequestBuffer b;
  EXPECT_FALSE(b.Feed(std::string(RequestBuffer::kMaxRequest, '1')).overflow);
  auto fed = b.Feed("1");
  EXPECT_TRUE(fed.overflow);
  EXPECT_EQ(b.pending(), 0u);
  // In one piece as well, and after whole requests.
  RequestBuffer c;
  fed = c.Feed("5;1;1;1\0"s + std::string(RequestBuffer::kMaxRequest + 1, '2') + "\0"s);
  EXPECT_TRUE(fed.overflow);
  EXPECT_EQ(fed.requests, std::vector<std::string>{"5;1;1;1"});
}

TEST(RequestBuffer, ABurstOfRequestsIsCutInOnePass) {
  // 20000 requests of a handle 0 in one 160 KB write.
  std::string burst;
  for (int i = 0; i < 20000; ++i) burst += "0;1;2;3\0"s;
  RequestBuffer b;
  auto fed = b.Feed(burst + "9;1;2;3.5\0"s);
  ASSERT_EQ(fed.requests.size(), 20001u);
  EXPECT_EQ(AnswerCopyData(fed.requests.front()).handle, 0);
  CopyDataRequest last = AnswerCopyData(fed.requests.back());
  EXPECT_EQ(last.handle, 9);
  EXPECT_EQ(last.reply, "6.5");
}

}  // namespace
}  // namespace tharvex
