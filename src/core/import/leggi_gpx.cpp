#include "core/import/leggi_gpx.h"

#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/import/closing_tag_finder.h"
#include "core/import/gpx_element.h"
#include "core/import/gpx_encoding.h"
#include "core/import/gpx_point_position.h"
#include "core/import/gpx_text.h"
#include "core/import/gpx_time.h"
#include "core/util/next_token.h"
#include "core/util/number_text.h"

namespace vianora {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

/// An attribute value without its double quotes (single quotes stay).
std::string withoutDoubleQuotes(std::string_view value) {
  std::string plain;
  plain.reserve(value.size());
  for (char c : value) {
    if (c != '"') plain += c;
  }
  return plain;
}

// The GPX text is read the way nested element contents are read one inside the other: the
// content of an element is read completely before the text after its closing tag. Instead of
// one call per nesting level (self-closed points nest once per point), the open contents are
// kept on a stack of their end positions, so no depth of the input can exhaust the call stack.
class GpxReader {
 public:
  GpxReader(Percorsi& store, std::string_view text, const GpxLineOf& lineOf,
            const FailureSink& failures, const ProgressFn& progress)
      : store_(store),
        text_(text),
        lineOf_(lineOf),
        failures_(failures),
        finder_(
            text, [this] { progress_.stillAt(); }, isGpxContainerName),
        progress_(progress, text.size()) {}

  void run();

 private:
  struct Content {
    std::size_t end;         // where this content's text ends
    std::size_t resumeAt{};  // where the enclosing content goes on after this one's child
  };

  void openContent(std::size_t begin, std::size_t end);
  void closeContent();
  void readTag();
  void actOn(GpxElement element, std::string_view name, std::string_view attributes);
  std::string_view cutContent(std::string_view name);
  void readContentAsElements(std::string_view name);
  void reservePoints();
  std::size_t nextTagFrom(std::size_t from) const;
  bool readDeclaration(std::string_view attributes);
  std::string nameText(std::string_view content) const;
  void readPoint(std::string_view name, std::string_view attributes);
  void refusePoint(std::string_view name, std::string_view attributes);
  bool readAltitude(std::string_view content);
  bool readTime(std::string_view content);
  void report(FailureCode code, std::string_view where, std::string detail = {});
  void fail(FailureCode code, std::string_view where);

  std::size_t end() const { return open_.back().end; }

  Percorsi& store_;
  std::string_view text_;
  const GpxLineOf& lineOf_;  // the file's lines, for failures
  const FailureSink& failures_;
  ClosingTagFinder finder_;
  ProgressThrottle progress_;
  std::vector<Content> open_;
  std::size_t pos_ = 0;  // where the innermost open content goes on
  bool childOpened_ = false;
  std::string_view tag_;         // the tag being read, ">" included, for failures that name it
  std::size_t pointNumber_ = 0;  // track and route points met so far
  std::optional<SingleByteCharset> nameCharset_;  // by this file's declaration; none: UTF-8
  std::string scratch_;  // reused for the text of times not written the usual way
};

void GpxReader::run() {
  openContent(0, text_.size());
  while (!open_.empty()) {
    if (pos_ >= end()) {
      closeContent();
      continue;
    }
    try {
      readTag();
    } catch (const std::bad_alloc&) {
      fail(FailureCode::OutOfMemory, text_.substr(pos_));
    }
    progress_.at(pos_);
  }
}

// A content is trimmed of blanks and starts at its first "<"; one without any "<" has no tags.
void GpxReader::openContent(std::size_t begin, std::size_t end) {
  std::string_view content = trimBlanks(text_.substr(begin, end - begin));
  begin = static_cast<std::size_t>(content.data() - text_.data());
  end = begin + content.size();
  const std::size_t firstTag = content.find('<');
  open_.push_back(Content{end});
  pos_ = firstTag == npos ? end : begin + firstTag;
}

void GpxReader::closeContent() {
  open_.pop_back();
  if (!open_.empty()) pos_ = open_.back().resumeAt;
}

// The text after a tag is dropped up to the next "<"; a "<" that ends the content is dropped too.
std::size_t GpxReader::nextTagFrom(std::size_t from) const {
  const std::size_t limit = end();
  const std::size_t at = text_.substr(0, limit).find('<', from);
  return at == npos || at + 1 >= limit ? limit : at;
}

void GpxReader::readTag() {
  const std::size_t limit = end();
  const std::size_t close = text_.substr(0, limit).find('>', pos_);
  const std::size_t tagEnd = close == npos ? limit : close;
  std::string_view tag = trimBlanks(text_.substr(pos_, tagEnd - pos_));
  tag_ = trimBlanks(text_.substr(pos_, (close == npos ? limit : close + 1) - pos_));
  pos_ = close == npos ? limit : close + 1;

  // The name follows the "<" up to the first blank; the attributes follow the blank.
  std::string_view attributes = tag;
  std::string_view name = NextToken(attributes, " ");
  if (!name.empty()) name.remove_prefix(1);

  childOpened_ = false;
  actOn(classifyGpxElement(name), name, attributes);
  if (!childOpened_ && !open_.empty()) pos_ = nextTagFrom(pos_);
}

void GpxReader::actOn(GpxElement element, std::string_view name, std::string_view attributes) {
  switch (element) {
    case GpxElement::Declaration:
      if (readDeclaration(attributes)) readContentAsElements(name);
      return;
    case GpxElement::Container:
      readContentAsElements(name);
      return;
    case GpxElement::Trip:
      store_.startTrip();
      readContentAsElements(name);
      reservePoints();
      return;
    case GpxElement::Name:
      store_.lastTrip().Nome = nameText(cutContent(name));
      return;
    case GpxElement::Point:
      readPoint(name, attributes);
      return;
    case GpxElement::Altitude:
      readAltitude(cutContent(name));
      return;
    case GpxElement::Time:
      readTime(cutContent(name));
      return;
    case GpxElement::Skipped:
      cutContent(name);
      return;
    case GpxElement::Other:
      return;
  }
}

// The content runs to the closing tag spelled exactly like the opening one, or to the end.
std::string_view GpxReader::cutContent(std::string_view name) {
  const std::size_t closingLength = name.size() + 3;  // "</" name ">"
  const std::size_t begin = pos_;
  const std::size_t limit = end();
  const std::size_t at = finder_.findClosingOf(name, pos_);
  if (at != npos && at + closingLength <= limit) {
    pos_ = at + closingLength;
    return text_.substr(begin, at - begin);
  }
  pos_ = limit;
  return text_.substr(begin, limit - begin);
}

void GpxReader::readContentAsElements(std::string_view name) {
  const std::string_view content = cutContent(name);
  const auto begin = static_cast<std::size_t>(content.data() - text_.data());
  open_.back().resumeAt = nextTagFrom(pos_);
  childOpened_ = true;
  openContent(begin, begin + content.size());
}

// Room for as many points as the trip's content could hold, so that they are never moved as
// the trip grows; the room never touched takes no memory.
void GpxReader::reservePoints() {
  constexpr std::size_t kShortestPointText = 24;  // <trkpt lat=1 lon=1></trkpt>
  const std::size_t length = end() - pos_;
  store_.reservePoints(length / kShortestPointText);
}

bool GpxReader::readDeclaration(std::string_view attributes) {
  while (!attributes.empty()) {
    std::string_view piece = NextToken(attributes, " ");
    const std::string key = upperCasedAscii(NextToken(piece, "="));
    if (key == "VERSION") {
      store_.lastTrip().Versione = withoutDoubleQuotes(piece);
    } else if (key == "ENCODING") {
      const std::string value = upperCasedAscii(withoutDoubleQuotes(piece));
      store_.lastTrip().Codifica = encodingCode(value);
      nameCharset_ = nameCharsetOf(value);
    }
  }
  return true;
}

// A name is kept as written, but in UTF-8: that of a single-byte file is converted.
std::string GpxReader::nameText(std::string_view content) const {
  if (!nameCharset_) return std::string(content);
  return utf8OfSingleByteText(content, *nameCharset_);
}

// A point is stored only with both lat and lon: a file cut off inside a point's tag must not
// add a point at longitude 0. One whose value overflows keeps what was read before it.
void GpxReader::readPoint(std::string_view name, std::string_view attributes) {
  ++pointNumber_;
  const GpxPointPosition position = readGpxPointPosition(attributes);
  if (!position.overflow && !(position.latitude && position.longitude)) {
    refusePoint(name, attributes);
    return;
  }
  Punto& point = store_.addPoint();
  if (position.latitude) point.Latitudine = *position.latitude;
  if (position.longitude) point.Longitudine = *position.longitude;
  if (position.overflow) {
    fail(FailureCode::Overflow, tag_);
    return;
  }
  point.Altitudine = 1.0;
  readContentAsElements(name);
}

// The content is skipped, so that its ele and time cannot land on the point before; a
// self-closed point has none, and what follows it is read as usual.
void GpxReader::refusePoint(std::string_view name, std::string_view attributes) {
  report(FailureCode::PointWithoutPosition, tag_, gpxPointDetail(pointNumber_, tag_));
  if (!attributes.ends_with('/')) cutContent(name);
}

bool GpxReader::readAltitude(std::string_view content) {
  const auto value = numberOfText(content);
  if (!value) {
    fail(FailureCode::Overflow, content);
    return false;
  }
  store_.lastPoint().Altitudine = *value;
  return true;
}

bool GpxReader::readTime(std::string_view content) {
  const auto day = dayNumberOfGpxTime(content, scratch_);
  if (!day) {
    fail(FailureCode::TypeMismatch, content);
    return false;
  }
  store_.lastPoint().DataOra = *day;
  return true;
}

// A failure carries the line of the file where `where`, a piece of the text, begins.
void GpxReader::report(FailureCode code, std::string_view where, std::string detail) {
  if (!failures_) return;
  const auto at = static_cast<std::size_t>(where.data() - text_.data());
  failures_(ImportFailure{.shown = ImportFailure::Shown::ByGpxReader,
                          .code = code,
                          .line = lineOf_(at),
                          .detail = std::move(detail)});
}

// The content being read is abandoned; the enclosing one goes on after it.
void GpxReader::fail(FailureCode code, std::string_view where) {
  report(code, where);
  childOpened_ = true;  // the position is set by closeContent, not by the tag loop
  closeContent();
}

}  // namespace

void LeggiGpx(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress) {
  std::string text;
  try {
    text = prepareGpxText(bytes);
  } catch (const std::bad_alloc&) {
    if (failures) failures(ImportFailure{.code = FailureCode::OutOfMemory});
    return;
  }
  GpxTextLines lines(bytes);
  LeggiGpxText(
      store, text, [&](std::size_t at) { return lines.lineOf(at); }, failures, progress);
}

void LeggiGpxText(Percorsi& store, std::string_view text, const GpxLineOf& lineOf,
                  const FailureSink& failures, const ProgressFn& progress) {
  GpxReader(store, text, lineOf, failures, progress).run();
}

}  // namespace vianora
