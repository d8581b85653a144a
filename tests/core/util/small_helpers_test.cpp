// NextToken, BigBuffer, Minimo and the single-byte character sets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/util/big_buffer.h"
#include "core/util/minimo.h"
#include "core/util/next_token.h"
#include "core/util/single_byte_text.h"

namespace vianora {
namespace {

TEST(NextToken, CutsTheTextBeforeTheFirstExactSeparatorOff) {
  const struct {
    const char *text, *sep, *token, *rest;
  } cases[] = {{"45.1,7.2,0", ",", "45.1", "7.2,0"},
               {"0", ",", "0", ""},
               {"", ",", "", ""},
               {",x", ",", "", "x"},
               {"abc", "", "", "abc"},
               {"12</ele> x", "</ELE>", "12</ele> x", ""},
               {"12</ele> x", "</ele>", "12", " x"}};
  for (const auto& c : cases) {
    std::string owned = c.text;
    std::string_view view = c.text;
    EXPECT_EQ(NextToken(owned, c.sep), c.token) << c.text;
    EXPECT_EQ(owned, c.rest) << c.text;
    EXPECT_EQ(NextToken(view, c.sep), c.token) << c.text;
    EXPECT_EQ(view, c.rest) << c.text;
  }
}

// Memory goes back a whole huge page (2 MB) at a time, and the next call goes on from where
// the last one ended: the bytes given back read as zeros, the others stay.
TEST(BigBuffer, GivesBackWholeHugePagesFromWhereItLastEnded) {
  constexpr std::size_t kMB = std::size_t{1} << 20;
  BigBuffer buffer(16 * kMB);
  buffer.resize(16 * kMB);
  std::memset(buffer.data(), 'x', buffer.size());
  EXPECT_EQ(buffer.giveBack(0, kMB), 0U);  // not a whole page yet
  EXPECT_EQ(buffer.giveBack(0, 3 * kMB), 2 * kMB);
  EXPECT_EQ(buffer.giveBack(2 * kMB, 5 * kMB), 4 * kMB);
  EXPECT_EQ(std::string(buffer.data() + 4 * kMB - 1, 2), std::string("\0x", 2));
  BigBuffer small(kMB);  // not mapped: nothing goes back
  EXPECT_EQ(small.giveBack(0, kMB), 0U);
}

// Growing past its room keeps every byte, a lone one too, also into a room big enough to be
// mapped rather than allocated.
TEST(BigBuffer, KeepsItsBytesWhenItGrowsPastItsRoom) {
  for (const std::string_view bytes : {"x", "xyz"}) {
    BigBuffer buffer(bytes.size());
    buffer.resize(bytes.size());
    bytes.copy(buffer.data(), bytes.size());
    buffer.resize(std::size_t{16} << 20);
    EXPECT_EQ(buffer.view().substr(0, bytes.size()), bytes);
  }
}

TEST(Minimo, GivesTheSmallerAndTheSecondOnTies) {
  using Opt = std::optional<double>;
  EXPECT_EQ((std::vector{Minimo(Opt(3), Opt(5)), Minimo(Opt(5), Opt(3)), Minimo(Opt(5), Opt()),
                         Minimo(Opt(), Opt(5)), Minimo(Opt(), Opt())}),
            (std::vector{Opt(3), Opt(3), Opt(5), Opt(5), Opt()}));
  EXPECT_TRUE(std::signbit(*Minimo(Opt(0.0), Opt(-0.0))));  // a tie returns b
}

TEST(SingleByteText, DecodesLatin1AndWindows1252) {
  for (const char* name : {"ISO-8859-1", "ISO_8859-1", "LATIN1"}) {
    EXPECT_EQ(singleByteCharsetNamed(name), SingleByteCharset::Latin1) << name;
  }
  EXPECT_EQ(singleByteCharsetNamed("WINDOWS-1252"), SingleByteCharset::Windows1252);
  EXPECT_EQ(singleByteCharsetNamed("CP1252"), SingleByteCharset::Windows1252);
  EXPECT_EQ(singleByteCharsetNamed("UTF-8"), std::nullopt);
  std::string bytes;
  for (int byte = 0x7F; byte <= 0xA0; ++byte) bytes += static_cast<char>(byte);
  EXPECT_EQ(utf8OfSingleByteText(bytes + "\xE9\xFF", SingleByteCharset::Windows1252),
            "\x7F€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\u00A0éÿ");
  EXPECT_EQ(utf8OfSingleByteText("\x7F\x80\x9F\xE9", SingleByteCharset::Latin1),
            "\x7F\u0080\u009Fé");
}

}  // namespace
}  // namespace vianora
