#include "core/import/gpx_text.h"

#include <gtest/gtest.h>

#include "test_files.h"

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

TEST(GpxText, ReadsAFileAndReportsOneThatCannotBeOpened) {
  const auto path = test_support::writeTempFile("a.gpx", "<gpx>\r\n</gpx>\r\n");
  std::string text;
  EXPECT_FALSE(readGpxText(path.string(), text).has_value());
  EXPECT_EQ(text, "<gpx> </gpx> ");

  const auto failure = readGpxText("/no/such/file.gpx", text);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->number(), 53);
  EXPECT_EQ(failureDescription(failure->code), "File not found");
  EXPECT_EQ(failure->shown, ImportFailure::Shown::ByOpenCommand);

  const auto folder = readGpxText(path.parent_path().string(), text);
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->number(), 75);
}

TEST(GpxText, RefusesAFileLargerThanTheLargestBeforeReadingIt) {
  const auto path = test_support::writeTempFile("a.gpx", "<gpx>\r\n</gpx>\r\n");  // 15 bytes
  std::string text = "old";
  int progressCalls = 0;
  const ProgressFn progress = [&](std::uint64_t, std::uint64_t) { ++progressCalls; };
  const auto failure = readGpxText(path.string(), text, progress, 14);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->number(), 7);
  EXPECT_EQ(failure->detail, "file larger than memory");
  EXPECT_EQ(progressCalls, 0);  // not a byte was read
  EXPECT_EQ(text, "");
  EXPECT_FALSE(readGpxText(path.string(), text, progress, 15).has_value());
  EXPECT_EQ(text, "<gpx> </gpx> ");
}

}  // namespace
}  // namespace vianora
