#include "core/import/gpx_text.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

TEST(GpxText, MakesFieldsOfTheBytesEachFollowedByOneBlank) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"<gpx>\r\n\t<trk>\r\n\t\t<name>x</name>\r\n</gpx>\r\n",
       "<gpx> <trk> <name>x</name> </gpx> "},
      {"<a>\n\t<b>\r<c>", "<a> <b> <c> "},  // a bare LF, a lone CR; the last needs no line end
      {"<name>Rome, Italy</name>", "<name>Rome Italy</name> "},    // blanks before a field go
      {"a,,b\r\n\r\n\rc,\r\n", "a  b   c  "},                      // empty fields and lines
      {"<desc>a, \"b, c\" d\t</desc>", "<desc>a b, c d</desc> "},  // quotes and a tab go
      {"x,\"multi\nli\tne\"\n", "x multiline "},
      {"<trkpt lat=\"1\">", "<trkpt lat=\"1\"> "},  // a quote inside a field stays
      {"", ""},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(prepareGpxText(bytes), text) << bytes;
}

TEST(GpxText, TellsTheLineOfAPlaceInTheText) {
  // Text "a b c d ef ": CR LF, a bare LF, a lone CR and a LF inside quotes end lines.
  GpxTextLines lines("a\r\nb\nc\rd,\"e\nf\"\r\n");
  const std::pair<std::size_t, std::int64_t> cases[] = {{0, 1}, {1, 1}, {2, 2}, {4, 3}, {6, 4},
                                                        {8, 4}, {9, 5}, {0, 1}, {7, 4}, {50, 6}};
  for (const auto& [at, line] : cases) EXPECT_EQ(lines.lineOf(at), line) << at;
}

}  // namespace
}  // namespace vianora
