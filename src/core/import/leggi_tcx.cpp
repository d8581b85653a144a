#include "core/import/leggi_tcx.h"

#include <array>
#include <new>
#include <optional>
#include <string>

#include "core/import/tcx_tags.h"
#include "core/util/gpx_date.h"
#include "core/util/number_text.h"

namespace vianora {

namespace {

constexpr double kMillisecondsPerDay = 24.0 * 60 * 60 * 1000;

// A trackpoint as it is read; it reaches the store only at its end, and only with a position.
struct PendingPoint {
  std::optional<double> latitude;
  std::optional<double> longitude;
  double altitude = 1.0;
  double day = 0;
};

// The tags are read in one pass; what an element means depends on its parent, so the names
// of the open elements are kept, but only to a fixed depth: TCX nests a few levels, and a
// hostile file nesting deeper must not make the reader grow.
class TcxReader {
 public:
  TcxReader(Percorsi& store, std::string_view bytes, const FailureSink& failures,
            const ProgressFn& progress)
      : store_(store),
        bytes_(bytes),
        tags_(bytes),
        failures_(failures),
        progress_(progress, bytes.size()) {}

  void run();

 private:
  static constexpr std::size_t kDeepest = 32;

  void open(const TcxTag& tag);
  void close(std::string_view name);
  void readValue(const TcxTag& tag, std::string_view parent);
  std::optional<double> number(const TcxTag& tag);
  std::optional<double> time(const TcxTag& tag);
  void startTrip(std::string name);
  void storePoint();
  void report(FailureCode code, std::size_t at);

  std::string_view parent() const {
    return depth_ > 0 && depth_ <= kDeepest ? names_[depth_ - 1] : std::string_view{};
  }

  Percorsi& store_;
  std::string_view bytes_;
  TcxTags tags_;
  const FailureSink& failures_;
  ProgressThrottle progress_;
  std::array<std::string_view, kDeepest> names_{};
  std::size_t depth_ = 0;
  std::optional<PendingPoint> point_;
  std::string scratch_;        // reused for the text of each time
  std::size_t linesRead_ = 0;  // bytes counted for lines so far
  std::int64_t lineEnds_ = 0;  // line ends among them
};

void TcxReader::run() {
  while (const std::optional<TcxTag> tag = tags_.next()) {
    if (tag->closing) {
      close(tag->name);
    } else {
      open(*tag);
      if (tag->selfClosed) close(tag->name);
    }
    progress_.at(tags_.position());
  }
  storePoint();  // a file cut off inside a trackpoint keeps it
}

void TcxReader::open(const TcxTag& tag) {
  const std::string_view name = tag.name;
  if (name == "Activity") {
    const std::string_view sport = tcxAttribute(tag.attributes, "Sport").value_or("");
    startTrip(std::string(sport.empty() ? "Activity" : sport));
  } else if (name == "Course") {
    startTrip("Course");
  } else if (name == "Trackpoint") {
    storePoint();
    point_.emplace();
  } else {
    readValue(tag, parent());
  }
  if (depth_ < kDeepest) names_[depth_] = name;
  ++depth_;
}

void TcxReader::close(std::string_view name) {
  if (depth_ > 0) --depth_;
  if (name == "Trackpoint") storePoint();
}

// Leaf elements: their text is their value.
void TcxReader::readValue(const TcxTag& tag, std::string_view parent) {
  const std::string_view name = tag.name;
  const std::string_view text = trimmedTcxText(tag.text);
  if (name == "Id" && parent == "Activity") {
    if (!text.empty()) store_.lastTrip().Nome.append(" ").append(text);
  } else if (name == "Name" && parent == "Course") {
    store_.lastTrip().Nome = text.empty() ? "Course" : std::string(text);
  } else if (!point_) {
    return;
  } else if (name == "LatitudeDegrees" && parent == "Position") {
    point_->latitude = number(tag);
  } else if (name == "LongitudeDegrees" && parent == "Position") {
    point_->longitude = number(tag);
  } else if (name == "AltitudeMeters" && parent == "Trackpoint") {
    point_->altitude = number(tag).value_or(1.0);
  } else if (name == "Time" && parent == "Trackpoint") {
    point_->day = time(tag).value_or(0.0);
  }
}

std::optional<double> TcxReader::number(const TcxTag& tag) {
  const std::optional<double> value = numberOfText(tag.text);
  if (!value) report(FailureCode::Overflow, tag.at);
  return value;
}

// Read as GPX times are: "T" becomes a blank, "Z" goes, and what follows the first "." is the
// fraction of a second.
std::optional<double> TcxReader::time(const TcxTag& tag) {
  scratch_.clear();
  for (char c : trimmedTcxText(tag.text)) {
    if (c == 'T')
      scratch_ += ' ';
    else if (c != 'Z')
      scratch_ += c;
  }
  const std::string_view written = scratch_;
  const std::size_t point = written.find('.');
  const std::optional<double> day = dayNumberOfGpxDate(written.substr(0, point));
  if (!day) {
    report(FailureCode::TypeMismatch, tag.at);
    return std::nullopt;
  }
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view{} : written.substr(point + 1);
  return *day + millisecondsOfGpxFraction(fraction) / kMillisecondsPerDay;
}

void TcxReader::startTrip(std::string name) {
  storePoint();
  store_.startTrip().Nome = std::move(name);
}

void TcxReader::storePoint() {
  if (!point_) return;
  if (point_->latitude && point_->longitude) {
    Punto& stored = store_.addPoint();
    stored.Latitudine = *point_->latitude;
    stored.Longitudine = *point_->longitude;
    stored.Altitudine = point_->altitude;
    stored.DataOra = point_->day;
  }
  point_.reset();
}

// A failure carries the line of the file where its tag begins; tags only move forward, so the
// line ends are counted once, up to the latest failure.
void TcxReader::report(FailureCode code, std::size_t at) {
  if (!failures_) return;
  for (; linesRead_ < at && linesRead_ < bytes_.size(); ++linesRead_) {
    const char c = bytes_[linesRead_];
    const bool lineFeedFollows = linesRead_ + 1 < bytes_.size() && bytes_[linesRead_ + 1] == '\n';
    if (c == '\n' || (c == '\r' && !lineFeedFollows)) ++lineEnds_;
  }
  failures_(ImportFailure{
      .shown = ImportFailure::Shown::ByGpxReader, .code = code, .line = lineEnds_ + 1});
}

}  // namespace

void LeggiTcx(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress) {
  try {
    TcxReader(store, bytes, failures, progress).run();
  } catch (const std::bad_alloc&) {
    if (failures) failures(ImportFailure{.code = FailureCode::OutOfMemory});
  }
}

}  // namespace vianora
