#include "core/import/closing_tag_finder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "core/import/closing_tag_index.h"

namespace vianora {
namespace {

TEST(ClosingTagFinder, FindsWhatAPlainSearchFindsFromAnyPositionInAnyOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    // Few letters put closing tags, near misses and long gaps everywhere.
    std::string text;
    while (text.size() < 400)
      text += random() % 50 ? std::string(1, "<</a>b"[random() % 6]) : std::string(300, 'x');
    const WholeText whole(text);
    ClosingTagFinder finder(whole);
    ClosingTagFinder indexed(whole, {}, [](std::string_view name) { return name == "a"; });
    // The same text made a few characters at a time: asked again after each step while the
    // answer is not made yet.
    TextInSteps steps(text, 1 + random() % 40);
    ClosingTagFinder growing(steps);
    ClosingTagFinder growingIndexed(steps, {}, [](std::string_view name) { return name == "a"; });
    for (int query = 0; query < 50; ++query) {
      const std::string tag = random() % 2 ? "</a>" : "</b>";
      const std::size_t from = random() % (text.size() + 2);  // mostly forward, now and then back
      ASSERT_EQ(finder.find(tag, from), text.find(tag, from)) << text << " from " << from;
      ASSERT_EQ(indexed.find(tag, from), text.find(tag, from)) << text << " from " << from;
      for (ClosingTagFinder* f : {&growing, &growingIndexed}) {
        std::size_t at = f->find(tag, from);
        for (; at == kNotMadeYet; at = f->find(tag, from)) ASSERT_TRUE(steps.grow());
        ASSERT_EQ(at, text.find(tag, from)) << text << " from " << from;
      }
    }
  }
  const std::string far = "<a>" + std::string(3 << 20, ' ') + "</a>";  // past several stretches
  const WholeText whole(far);
  EXPECT_EQ(ClosingTagFinder(whole).find("</a>", 0), far.size() - 4);
  EXPECT_EQ(ClosingTagFinder(whole, {}, [](std::string_view) { return true; }).find("</a>", 0),
            far.size() - 4);
  // Only the chosen names are noted: a million other closing tags (a big file's points) do not
  // make the index give up.
  std::string many;
  for (int i = 0; i < 1 << 20; ++i) many += "</b>";
  many += "</a>";
  const WholeText manyText(many);
  ClosingTagIndex index(manyText, [](std::string_view name) { return name == "a"; });
  EXPECT_EQ(index.find("</a>", 0), many.size() - 4);
}

}  // namespace
}  // namespace vianora
