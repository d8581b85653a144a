#include "core/import/closing_tag_finder.h"

#include <gtest/gtest.h>

#include <random>

namespace vianora {
namespace {

// Texts made of few letters put closing tags, near misses and long gaps everywhere.
std::string randomText(std::mt19937& random, std::size_t size) {
  static constexpr char kLetters[] = "<</a>b";
  std::string text;
  for (std::size_t i = 0; i < size; ++i) {
    text += random() % 50 == 0 ? std::string(300, 'x') : std::string(1, kLetters[random() % 6]);
  }
  return text;
}

TEST(ClosingTagFinder, FindsWhatAPlainSearchFindsFromAnyPositionInAnyOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    const std::string text = randomText(random, 200);
    ClosingTagFinder finder(text);
    for (int query = 0; query < 50; ++query) {
      const std::string tag = random() % 2 ? "</a>" : "</b>";
      // Mostly forward, as the reader asks, now and then backward.
      const std::size_t from = random() % (text.size() + 2);
      ASSERT_EQ(finder.find(tag, from), text.find(tag, from)) << text << " from " << from;
    }
  }
}

TEST(ClosingTagFinder, FindsATagFarAheadAndAtTheVeryEnd) {
  const std::string text = "<a>" + std::string(100000, ' ') + "</a>";
  ClosingTagFinder finder(text);
  EXPECT_EQ(finder.find("</a>", 0), 100003u);
  EXPECT_EQ(finder.find("</a>", 100003), 100003u);
  EXPECT_EQ(finder.find("</a>", 100004), std::string::npos);
  EXPECT_EQ(finder.find("</trkpt>", 0), std::string::npos);
}

}  // namespace
}  // namespace vianora
