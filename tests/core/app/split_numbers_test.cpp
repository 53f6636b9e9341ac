#include "core/app/split_numbers.h"

#include <gtest/gtest.h>

namespace tharvex {
namespace {

struct SplitCase {
  const char* text;
  std::vector<double> expected;  // first values; the rest must be 0
};

class SplitNumbersTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitNumbersTest, ReadsPiecesStrictly) {
  const SplitCase& c = GetParam();
  SplitValues v = SplitNumbers(c.text);
  for (size_t i = 0; i < v.size(); ++i) {
    double want = i < c.expected.size() ? c.expected[i] : 0.0;
    EXPECT_DOUBLE_EQ(v[i], want) << "piece " << i << " of '" << c.text << "'";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitNumbersTest,
    ::testing::Values(SplitCase{"", {}}, SplitCase{"12;1;2;3.5", {12, 1, 2, 3.5}}, SplitCase{"12;a;2;3", {12, 0, 2, 3}},
                      // Strict syntax: a trailing blank spoils the piece, a leading one does not.
                      SplitCase{"1; 2;3 ;4", {1, 2, 0, 4}}, SplitCase{";;5", {0, 0, 5}},
                      SplitCase{"1e3;-2.5E-1;+7", {1000, -0.25, 7}},
                      SplitCase{"1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22",
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
                      SplitCase{"1e999;3", {0, 3}}));

struct AnswerCase {
  const char* text;
  long long handle;
  const char* reply;
};

class AnswerCopyDataTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerCopyDataTest, SumsTheThreeSummands) {
  const AnswerCase& c = GetParam();
  CopyDataRequest r = AnswerCopyData(c.text);
  EXPECT_EQ(r.handle, c.handle) << c.text;
  EXPECT_EQ(r.reply, c.reply) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, AnswerCopyDataTest,
                         ::testing::Values(AnswerCase{"77;1;2;3.5", 77, "6.5"}, AnswerCase{"77;1", 77, "1"},
                                           AnswerCase{"77;a;2;3", 77, "5"}, AnswerCase{"0;1;2;3", 0, "6"},
                                           AnswerCase{"x;1;2;3", 0, "6"}, AnswerCase{"2.5;0.1;0.2", 2, "0.3"},
                                           AnswerCase{"3.5;1;2;3;100", 4, "6"}, AnswerCase{"1e300;1", 0, "1"},
                                           AnswerCase{"5;1e308;1e308", 5, "INF"}, AnswerCase{"", 0, "0"}));

}  // namespace
}  // namespace tharvex
