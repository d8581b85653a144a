#include "core/import/format_recognition.h"

#include "core/import/input_file.h"
#include "core/util/ascii.h"

namespace vianora {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutLeadingBlanks(std::string_view bytes) {
  const auto first = bytes.find_first_not_of(" \t\r\n");
  return first == std::string_view::npos ? std::string_view{} : bytes.substr(first);
}

bool firstLineHoldsOziExplorer(std::string_view bytes) {
  const std::string firstLine = upperCasedAscii(bytes.substr(0, bytes.find_first_of("\r\n")));
  return firstLine.find("OZIEXPLORER") != std::string::npos;
}

}  // namespace

ReaderKind formatOfFirstBytes(std::string_view bytes) {
  std::string_view start = bytes;
  if (start.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    start.remove_prefix(kByteOrderMark.size());
  }
  start = withoutLeadingBlanks(start);
  if (startsWithIgnoringCase(start, "<?XML") || startsWithIgnoringCase(start, "<GPX")) {
    return ReaderKind::Gpx;
  }
  if (firstLineHoldsOziExplorer(bytes)) return ReaderKind::Plt;
  return ReaderKind::None;
}

ReaderKind formatOfContent(const std::string& path) {
  return formatOfFirstBytes(firstBytesOf(path, kRecognitionBytes));
}

}  // namespace vianora
