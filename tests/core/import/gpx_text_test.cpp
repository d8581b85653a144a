#include "core/import/gpx_text.h"

#include <gtest/gtest.h>


namespace vianora {
namespace {

TEST(GpxText, TurnsEachLineEndIntoOneBlankAndDropsTabs) {
  EXPECT_EQ(prepareGpxText("<gpx>\r\n\t<trk>\r\n\t\t<name>x</name>\r\n</gpx>\r\n"),
            "<gpx> <trk> <name>x</name> </gpx> ");
  EXPECT_EQ(prepareGpxText("<a>\n\t<b>\n"), "<a> <b> ");  // bare line feeds end fields too
  EXPECT_EQ(prepareGpxText("<a>\r<b>\r"), "<a> <b> ");    // and so do lone carriage returns
  EXPECT_EQ(prepareGpxText("<a>"), "<a> ");               // the last field needs no line end
}

TEST(GpxText, TurnsCommasIntoBlanksAndSkipsBlanksBeforeAField) {
  EXPECT_EQ(prepareGpxText("<name>Rome, Italy</name>\r\n"), "<name>Rome Italy</name> ");
  EXPECT_EQ(prepareGpxText("a,,b"), "a  b ");        // an empty field, followed by its blank
  EXPECT_EQ(prepareGpxText("a\r\n\r\nb"), "a  b ");  // an empty line is an empty field
  EXPECT_EQ(prepareGpxText("a,\r\n"), "a  ");
}

TEST(GpxText, TakesAQuotedFieldWithoutItsQuotesAndKeepsWhatFollows) {
  EXPECT_EQ(prepareGpxText("<desc>a, \"b, c\" d</desc>"), "<desc>a b, c d</desc> ");
  EXPECT_EQ(prepareGpxText("x,\"multi\nline\""), "x multiline ");
  // A quote inside an unquoted field is an ordinary character.
  EXPECT_EQ(prepareGpxText("<trkpt lat=\"1\" lon=\"2\">"), "<trkpt lat=\"1\" lon=\"2\"> ");
}

TEST(GpxText, EmptyInputGivesEmptyText) {
  EXPECT_EQ(prepareGpxText(""), "");
  EXPECT_EQ(prepareGpxText("\r\n"), " ");
}

}  // namespace
}  // namespace vianora
