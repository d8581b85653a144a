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

bool isFitHeader(std::string_view bytes) {
  return bytes.size() >= 12 && (bytes[0] == 12 || bytes[0] == 14) && bytes.substr(8, 4) == ".FIT";
}

bool isAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isFlightLog(std::string_view bytes) {
  if (bytes.size() < 4 || bytes[0] != 'A') return false;
  for (std::size_t i = 1; i < 4; ++i) {
    if (!isAlphanumeric(bytes[i])) return false;
  }
  const auto lineEnd = bytes.find('\n');
  return lineEnd != std::string_view::npos && bytes.substr(lineEnd + 1, 1) == "H";
}

// The name of the first element of an XML text, past its declaration, processing
// instructions, comments and doctype; empty when the bytes end before it.
std::string_view firstElementName(std::string_view xml) {
  for (auto open = xml.find('<'); open != std::string_view::npos; open = xml.find('<', open)) {
    const std::string_view tag = xml.substr(open + 1);
    if (!tag.empty() && tag[0] != '?' && tag[0] != '!') {
      return tag.substr(0, tag.find_first_of(" \t\r\n/>"));
    }
    // A comment may hold tags of its own.
    const auto end = tag.substr(0, 3) == "!--" ? xml.find("-->", open) : xml.find('>', open);
    if (end == std::string_view::npos) break;
    open = end;
  }
  return {};
}

bool isTrainingCenterDatabase(std::string_view xml) {
  std::string_view name = firstElementName(xml);
  const auto colon = name.find(':');
  if (colon != std::string_view::npos) name.remove_prefix(colon + 1);
  return name == "TrainingCenterDatabase";
}

}  // namespace

ReaderKind formatOfFirstBytes(std::string_view bytes) {
  if (isFitHeader(bytes)) return ReaderKind::Fit;
  std::string_view start = bytes;
  if (start.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    start.remove_prefix(kByteOrderMark.size());
  }
  start = withoutLeadingBlanks(start);
  if (startsWithIgnoringCase(start, "<") && isTrainingCenterDatabase(start)) return ReaderKind::Tcx;
  if (startsWithIgnoringCase(start, "<?XML") || startsWithIgnoringCase(start, "<GPX")) {
    return ReaderKind::Gpx;
  }
  if (firstLineHoldsOziExplorer(bytes)) return ReaderKind::Plt;
  if (isFlightLog(bytes)) return ReaderKind::Igc;
  return ReaderKind::None;
}

ReaderKind formatOfContent(const std::string& path) {
  return formatOfFirstBytes(firstBytesOf(path, kRecognitionBytes));
}

}  // namespace vianora
