#include "core/util/next_token.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(NextToken, WalksACommaSeparatedRecordFieldByField) {
  std::string s = "45.1,7.2,0";
  EXPECT_EQ(NextToken(s, ","), "45.1");
  EXPECT_EQ(s, "7.2,0");
  EXPECT_EQ(NextToken(s, ","), "7.2");
  EXPECT_EQ(s, "0");
  EXPECT_EQ(NextToken(s, ","), "0");
  EXPECT_EQ(s, "");
  EXPECT_EQ(NextToken(s, ","), "");
  EXPECT_EQ(s, "");
}

TEST(NextToken, GivesAnEmptyFieldBeforeALeadingSeparator) {
  std::string s = ",x";
  EXPECT_EQ(NextToken(s, ","), "");
  EXPECT_EQ(s, "x");
}

TEST(NextToken, EmptySeparatorReturnsNothingAndLeavesTheText) {
  std::string s = "abc";
  EXPECT_EQ(NextToken(s, ""), "");
  EXPECT_EQ(s, "abc");
}

TEST(NextToken, MatchesLongSeparatorsExactlyAndCaseSensitively) {
  std::string_view s = "<ele>12</ele> rest";
  s.remove_prefix(5);
  std::string_view upper = s;
  EXPECT_EQ(NextToken(upper, "</ELE>"), "12</ele> rest");
  EXPECT_EQ(upper, "");
  EXPECT_EQ(NextToken(s, "</ele>"), "12");
  EXPECT_EQ(s, " rest");
}

}  // namespace
}  // namespace vianora
