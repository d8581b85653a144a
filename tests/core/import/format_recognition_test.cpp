#include "core/import/format_recognition.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_files.h"

namespace vianora {
namespace {

TEST(FormatRecognition, TellsGpxAndPltByTheirFirstBytes) {
  const struct {
    std::string_view bytes;
    ReaderKind format;
  } cases[] = {
      {"\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<gpx>", ReaderKind::Gpx},  // byte order mark
      {"\r\n \t<?xml version=\"1.0\"?>", ReaderKind::Gpx},              // blanks and line ends
      {"\xEF\xBB\xBF\n  <gpx version=\"1.1\">", ReaderKind::Gpx},
      {"<gpx><trk></trk></gpx>", ReaderKind::Gpx},  // no declaration
      {"<GPX>", ReaderKind::Gpx},
      {"OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n", ReaderKind::Plt},
      {"OZIEXPLORER TRACK POINT FILE", ReaderKind::Plt},
      {"\xEF\xBB\xBFOziExplorer Track Point File\n", ReaderKind::Plt},
      {"Track file\nOziExplorer\n", ReaderKind::None},  // not on line 1
      {"<kml><Document>", ReaderKind::None},
      {"text <gpx>", ReaderKind::None},
      {std::string_view("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), ReaderKind::None},
      {"", ReaderKind::None},
      {"\xEF\xBB\xBF  \r\n", ReaderKind::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatOfFirstBytes(c.bytes), c.format) << c.bytes;
  }
}

TEST(FormatRecognition, LooksOnlyAtTheStartOfARegularFile) {
  const std::string header = "OziExplorer Track Point File Version 2.1\r\n";
  EXPECT_EQ(formatOfContent(test_support::writeTempFile("ride.txt", header).string()),
            ReaderKind::Plt);
  EXPECT_EQ(formatOfContent(test_support::writeTempFile("ride.plt", "").string()),
            ReaderKind::None);
  // A header far into the file is not read for: recognition reads a few KB only.
  const auto late =
      test_support::writeTempFile("late.plt", std::string(kRecognitionBytes, ' ') + "<gpx>");
  EXPECT_EQ(formatOfContent(late.string()), ReaderKind::None);
  EXPECT_EQ(formatOfContent(late.parent_path().string()), ReaderKind::None);  // a folder
  EXPECT_EQ(formatOfContent("/no/such/file.gpx"), ReaderKind::None);
  // A pipe nobody writes to would block a plain open: it is not looked into.
  const auto pipe = late.parent_path() / "pipe.gpx";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(formatOfContent(pipe.string()), ReaderKind::None);
}

}  // namespace
}  // namespace vianora
