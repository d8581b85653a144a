#include "core/import/leggi_gpx.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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
// kept on a stack, so no depth of the input can exhaust the call stack.
//
// The text may still be being made while it is read. The contents of a file, a track and a
// segment end where their closing tag is met, which may not be made yet: their ends are
// looked up in the closing tag index as the reading gets near them, and each search in the
// text asks for more of it only when what is made so far cannot tell its answer.
class GpxReader {
 public:
  GpxReader(Percorsi& store, GrowingText& text, const GpxLineOf& lineOf,
            const FailureSink& failures, const ProgressFn& progress)
      : store_(store),
        source_(text),
        text_(text.made()),
        lineOf_(lineOf),
        failures_(failures),
        finder_(
            text, [this] { progress_.stillAt(); }, isGpxContainerName),
        progress_(progress, text.expectedSize()) {}

  void run();

 private:
  static constexpr std::size_t kUnknown = npos;

  static constexpr std::uint32_t kNotLazy = UINT32_MAX;

  // Small: self-closed points nest once per point.
  struct Content {
    std::size_t from = 0;          // where its text starts, past its opening tag
    std::size_t end = kUnknown;    // where its text ends, trailing blanks dropped
    std::size_t after = kUnknown;  // where the enclosing content goes on: past the closing tag
    std::uint32_t lazy = kNotLazy;  // its place in lazy_, for a content entered before its end
  };

  // What is known of the end of a content entered before its end was found.
  struct LazyEnd {
    std::string closing;      // the closing tag ("</" name ">") that ends it; none: the text's
    std::size_t searched = 0;  // its closing tag does not start between the content's start and here
    // While the end is unknown: it lies at or after `lowest`, so the text up to `certain` is
    // the content's for sure; both as the text made at step `settled` told.
    std::size_t lowest = 0;
    std::size_t certain = 0;
    std::uint64_t settled = 0;
  };

  // Where the innermost content's text ends for sure: its end once known (final).
  struct Limit {
    std::size_t at;
    bool final;
  };

  void enter(Content content);
  void enterBeforeItsEnd(std::size_t from, std::string closing);
  void closeContent();
  bool atEnd();
  Limit limit();
  bool knowEnd(std::size_t i);
  void settle(std::size_t k);
  std::size_t ownClosingTag(const Content& content, LazyEnd& lazy);
  void endAt(Content& content, std::size_t end, std::size_t after);
  std::size_t trimmedEnd(std::size_t from, std::size_t end) const;
  void advance();
  void releaseBehind();
  std::size_t search(char c, std::size_t from, std::size_t to) const;
  std::size_t findBefore(char c, std::size_t from);
  void readTag();
  void actOn(GpxElement element, std::string_view name, std::string_view attributes);
  std::string_view cutContent(std::string_view name);
  void readContentAsElements(std::string_view name, bool holdsAFileOrTrack = false);
  void reservePoints();
  std::size_t nextTagFrom(std::size_t from);
  bool readDeclaration(std::string_view attributes);
  std::string nameText(std::string_view content) const;
  void readPoint(std::string_view name, std::string_view attributes);
  void refusePoint(std::string_view name, std::string_view attributes);
  bool readAltitude(std::string_view content);
  bool readTime(std::string_view content);
  void report(FailureCode code, std::string_view where, std::string detail = {});
  void fail(FailureCode code, std::string_view where);

  Percorsi& store_;
  GrowingText& source_;
  std::string_view text_;  // the text made so far
  const GpxLineOf& lineOf_;  // the file's lines, for failures
  const FailureSink& failures_;
  ClosingTagFinder finder_;
  ProgressThrottle progress_;
  std::vector<Content> open_;
  std::vector<LazyEnd> lazy_;  // of the open contents entered before their end, in order
  std::uint64_t step_ = 1;      // grows each time more of the text is made or indexed
  std::size_t releasedTo_ = 0;  // the text before this may be gone
  std::size_t pos_ = 0;  // where the innermost open content goes on
  bool childOpened_ = false;
  std::string_view tag_;         // the tag being read, ">" included, for failures that name it
  std::size_t pointNumber_ = 0;  // track and route points met so far
  std::optional<SingleByteCharset> nameCharset_;  // by this file's declaration; none: UTF-8
  std::string scratch_;  // reused for the text of times not written the usual way
};

void GpxReader::run() {
  enterBeforeItsEnd(0, {});
  while (!open_.empty()) {
    if (atEnd()) {
      closeContent();
      continue;
    }
    try {
      readTag();
    } catch (const std::bad_alloc&) {
      fail(FailureCode::OutOfMemory, text_.substr(pos_));
    }
    progress_.at(pos_);
    releaseBehind();
  }
}

// A content starts at its first "<"; one without any "<" has no tags.
void GpxReader::enter(Content content) {
  open_.push_back(std::move(content));
  const std::size_t first = findBefore('<', open_.back().from);
  pos_ = first != npos ? first : limit().at;
}

void GpxReader::enterBeforeItsEnd(std::size_t from, std::string closing) {
  lazy_.push_back(LazyEnd{.closing = std::move(closing), .searched = from});
  enter(Content{.from = from, .lazy = static_cast<std::uint32_t>(lazy_.size() - 1)});
}

// The enclosing content goes on at its next tag after this one's closing tag.
void GpxReader::closeContent() {
  const std::size_t i = open_.size() - 1;
  while (!knowEnd(i)) advance();
  const std::size_t after = open_[i].after;
  if (open_[i].lazy != kNotLazy) lazy_.pop_back();
  open_.pop_back();
  if (!open_.empty()) pos_ = nextTagFrom(after);
}

bool GpxReader::atEnd() {
  for (;;) {
    const Limit limit = this->limit();
    if (pos_ < limit.at) return false;
    if (limit.final) return true;
    advance();
  }
}

GpxReader::Limit GpxReader::limit() {
  const Content& innermost = open_.back();
  if (innermost.end != kUnknown) return {innermost.end, true};
  const LazyEnd& lazy = lazy_[innermost.lazy];
  if (lazy.settled != step_ && knowEnd(open_.size() - 1)) return {innermost.end, true};
  return {lazy.certain, false};
}

// Settles the ends of the innermost contents that the text made since they were last looked
// at may tell, from the nearest one already known or looked at.
bool GpxReader::knowEnd(std::size_t i) {
  std::size_t first = i;
  while (first > 0 && open_[first].end == kUnknown && lazy_[open_[first].lazy].settled != step_) {
    --first;
  }
  for (std::size_t k = first; k <= i; ++k) settle(k);
  return open_[i].end != kUnknown;
}

// A content ends at its own closing tag when that comes before the enclosing content's end,
// else at the enclosing content's end (the whole text's for the outermost). A closing tag is
// never cut by an end, so what lies before where the enclosing content can end is its own.
void GpxReader::settle(std::size_t k) {
  Content& c = open_[k];
  if (c.end != kUnknown) return;
  LazyEnd& l = lazy_[c.lazy];
  if (l.settled == step_) return;
  l.settled = step_;
  if (k == 0) {
    if (source_.complete()) return endAt(c, text_.size(), text_.size());
    l.lowest = text_.size();
  } else {
    const Content& p = open_[k - 1];
    const bool enclosingKnown = p.end != kUnknown;
    const std::size_t enclosing = enclosingKnown ? p.end : lazy_[p.lazy].lowest;
    const std::size_t length = l.closing.size();
    const std::size_t at = ownClosingTag(c, l);
    if (at < kNotMadeYet && at + length <= enclosing) return endAt(c, at, at + length);
    if (at == npos || (at < kNotMadeYet && enclosingKnown)) {
      if (enclosingKnown) return endAt(c, p.end, p.end);
      l.lowest = enclosing;
    } else if (at < kNotMadeYet) {
      l.lowest = std::min(at, enclosing);
    } else {
      // Not made yet: not among the tags the index noted so far.
      const ClosingTagIndex* index = finder_.index();
      const std::size_t noted = index != nullptr ? index->notedBefore() : 0;
      if (enclosingKnown && p.end <= noted) return endAt(c, p.end, p.end);
      l.lowest = std::min(noted, enclosing);
    }
  }
  l.certain = trimmedEnd(c.from, std::max(c.from, l.lowest));
}

// Asked of the index from where the content starts (positions only: that text may be gone);
// should the index give up, the search goes on past where the index had looked.
std::size_t GpxReader::ownClosingTag(const Content& content, LazyEnd& lazy) {
  if (ClosingTagIndex* index = finder_.index(); index != nullptr && index->answersFor(lazy.closing)) {
    if (const auto at = index->find(lazy.closing, content.from)) {
      if (*at == kNotMadeYet) lazy.searched = std::max(lazy.searched, index->notedBefore());
      return *at;
    }
  }
  return finder_.find(lazy.closing, std::max(content.from, lazy.searched));
}

void GpxReader::endAt(Content& content, std::size_t end, std::size_t after) {
  content.end = trimmedEnd(content.from, end);
  content.after = after;
}

// Without the blanks before `end`, down to `from`. Where those blanks reach text that may be
// gone, nothing past `from` is certain.
std::size_t GpxReader::trimmedEnd(std::size_t from, std::size_t end) const {
  while (end > from && end > releasedTo_ && text_[end - 1] == ' ') --end;
  return end > from && end == releasedTo_ ? from : end;
}

// More of the text is noted in the index or, when it has read all that is made, made.
void GpxReader::advance() {
  ++step_;
  if (ClosingTagIndex* index = finder_.index(); index != nullptr && index->readFurther()) return;
  source_.grow();
  text_ = source_.made();
}

// The text before the tag being read and before the index's reach is never read again.
void GpxReader::releaseBehind() {
  constexpr std::size_t kReleaseStep = std::size_t{2} << 20;
  const ClosingTagIndex* index = finder_.index();
  const std::size_t keep = std::min(pos_, index != nullptr ? index->notedBefore() : 0);
  if (keep >= releasedTo_ + kReleaseStep) {
    releasedTo_ = keep - 1;
    source_.release(releasedTo_);
  }
}

// The first `c` in text [from, to), or npos.
std::size_t GpxReader::search(char c, std::size_t from, std::size_t to) const {
  if (from >= to) return npos;
  const void* at = std::memchr(text_.data() + from, c, to - from);
  return at != nullptr ? static_cast<std::size_t>(static_cast<const char*>(at) - text_.data()) : npos;
}

// The first `c` in the innermost content's text from `from`, or npos.
std::size_t GpxReader::findBefore(char c, std::size_t from) {
  for (;;) {
    const Limit limit = this->limit();
    if (const std::size_t at = search(c, from, limit.at); at != npos) return at;
    if (limit.final) return npos;
    from = std::max(from, limit.at);
    advance();
  }
}

// The text after a tag is dropped up to the next "<"; a "<" that ends the content is dropped too.
std::size_t GpxReader::nextTagFrom(std::size_t from) {
  for (;;) {
    const Limit limit = this->limit();
    const std::size_t at = search('<', from, limit.at);
    if (at != npos && at + 1 < limit.at) return at;
    if (limit.final) return limit.at;
    from = at != npos ? at : std::max(from, limit.at);
    advance();
  }
}

void GpxReader::readTag() {
  const std::size_t close = findBefore('>', pos_);
  const std::size_t tagEnd = close == npos ? limit().at : close;
  std::string_view tag = trimBlanks(text_.substr(pos_, tagEnd - pos_));
  tag_ = trimBlanks(text_.substr(pos_, (close == npos ? tagEnd : close + 1) - pos_));
  pos_ = close == npos ? tagEnd : close + 1;

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
      if (readDeclaration(attributes)) readContentAsElements(name, true);
      return;
    case GpxElement::Container:
      readContentAsElements(name, true);
      return;
    case GpxElement::Trip:
      store_.startTrip();
      readContentAsElements(name, true);
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
  for (;;) {
    const std::size_t at = finder_.findClosingOf(name, begin);
    const Limit limit = this->limit();
    if (at < kNotMadeYet && at + closingLength <= limit.at) {
      pos_ = at + closingLength;
      return text_.substr(begin, at - begin);
    }
    if (limit.final) {
      pos_ = limit.at;
      return text_.substr(begin, limit.at - begin);
    }
    advance();
  }
}

// The contents that hold a whole file or track are entered before their end is known; the
// rest are cut first.
void GpxReader::readContentAsElements(std::string_view name, bool holdsAFileOrTrack) {
  childOpened_ = true;
  if (holdsAFileOrTrack) {
    std::string closing = "</" + std::string(name) + ">";
    if (const ClosingTagIndex* index = finder_.index(); index && index->answersFor(closing)) {
      return enterBeforeItsEnd(pos_, std::move(closing));
    }
  }
  Content cut;
  cut.from = pos_;
  cut.end = trimmedEnd(cut.from, cut.from + cutContent(name).size());
  cut.after = pos_;
  enter(std::move(cut));
}

// Room for as many points as the trip's content could hold, so that they are never moved as
// the trip grows; the room never touched takes no memory. A trip whose end is not made within
// a few MB has the rest of the file as its bound.
void GpxReader::reservePoints() {
  constexpr std::size_t kShortestPointText = 24;  // <trkpt lat=1 lon=1></trkpt>
  constexpr std::size_t kLookAhead = std::size_t{4} << 20;
  const std::size_t i = open_.size() - 1;
  while (!knowEnd(i) && text_.size() - std::min(pos_, text_.size()) < kLookAhead &&
         !source_.complete()) {
    advance();
  }
  const std::size_t end = open_[i].end != kUnknown ? open_[i].end : source_.expectedSize();
  store_.reservePoints((std::max(end, pos_) - pos_) / kShortestPointText);
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
  WholeText whole(text);
  LeggiGpxText(store, whole, lineOf, failures, progress);
}

void LeggiGpxText(Percorsi& store, GrowingText& text, const GpxLineOf& lineOf,
                  const FailureSink& failures, const ProgressFn& progress) {
  GpxReader(store, text, lineOf, failures, progress).run();
}

}  // namespace vianora
