#include "core/import/leggi_fit.h"

#include <chrono>
#include <cstdio>
#include <new>
#include <string>

#include "core/import/fit_decoder.h"
#include "core/util/day_number.h"

namespace vianora {

namespace {

constexpr double kSecondsPerDay = 24.0 * 60 * 60;
constexpr double kSemicirclesPerDegree = 2147483648.0 / 180;
/// Day number of 1989-12-31 00:00 UTC, where FIT times start.
constexpr double kFitTimeEpoch =
    (std::chrono::sys_days{std::chrono::year{1989} / 12 / 31} - kDayNumberEpoch).count();

std::string sportName(std::uint8_t sport) {
  static constexpr std::string_view kNames[] = {"generic",
                                                "running",
                                                "cycling",
                                                "transition",
                                                "fitness equipment",
                                                "swimming",
                                                "basketball",
                                                "soccer",
                                                "tennis",
                                                "american football",
                                                "training",
                                                "walking",
                                                "cross-country skiing",
                                                "alpine skiing",
                                                "snowboarding",
                                                "rowing",
                                                "mountaineering",
                                                "hiking",
                                                "multisport",
                                                "paddling"};
  if (sport < std::size(kNames)) return std::string(kNames[sport]);
  return sport == 0xFF ? "generic" : "sport " + std::to_string(sport);
}

// "sport yyyy-MM-dd HH:mm:ss", or the sport alone without a time.
std::string tripName(std::uint8_t sport, std::uint32_t time) {
  std::string name = sportName(sport);
  if (time == kNoFitTime) return name;
  const std::int64_t days = time / 86400 + static_cast<std::int64_t>(kFitTimeEpoch);
  const CivilDate date = civilFromDays(days);
  const std::uint32_t second = time % 86400;
  char text[48];
  std::snprintf(text, sizeof text, " %04d-%02d-%02d %02u:%02u:%02u", date.year, date.month,
                date.day, second / 3600, second / 60 % 60, second % 60);
  return name + text;
}

// Streams points into the store: a trip opens at the first point after a session (or a file's
// start) and takes its name when its session comes.
class TripBuilder : public FitMessageSink {
 public:
  explicit TripBuilder(Percorsi& store) : store_(store) {}

  void record(const FitRecord& record) override {
    if (!record.hasPosition) return;
    if (!open_) {
      store_.startTrip().Nome = tripName(0, record.time);
      store_.resetPoints();
      // Room for every record the bytes can still hold: one allocation, not a doubling
      // vector's dozens. Once a trip leaves most of it unused, later trips grow as they go,
      // so that many short trips cannot reserve the rest of the file each.
      if (reserve_) store_.lastTrip().Punti.reserve(record.recordsAtMost);
      open_ = true;
      firstTime_ = record.time;
    }
    store_.addPoint() = Punto{
        .Latitudine = record.latitude / kSemicirclesPerDegree,
        .Longitudine = record.longitude / kSemicirclesPerDegree,
        .Altitudine = record.altitude.value_or(1.0),
        .DataOra = record.time == kNoFitTime ? 0.0 : kFitTimeEpoch + record.time / kSecondsPerDay};
  }

  void session(const FitSession& session) override {
    if (!open_) return;
    const std::uint32_t start = session.startTime != kNoFitTime ? session.startTime : firstTime_;
    store_.lastTrip().Nome = tripName(session.sport, start);
    close();
  }

  void fileEnd() override { close(); }

 private:
  void close() {
    auto& points = store_.lastTrip().Punti;
    if (open_ && reserve_ && points.capacity() / 2 > points.size()) {
      points.shrink_to_fit();
      reserve_ = false;
    }
    open_ = false;
  }

  Percorsi& store_;
  std::uint32_t firstTime_ = kNoFitTime;
  bool open_ = false;
  bool reserve_ = true;
};

void report(const FailureSink& failures, FailureCode code, std::string detail) {
  if (failures) failures(ImportFailure{.code = code, .detail = std::move(detail)});
}

}  // namespace

void LeggiFit(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress) {
  try {
    ProgressThrottle throttle(progress, bytes.size());
    TripBuilder builder(store);
    const auto fault = decodeFit(bytes, builder, throttle);
    if (fault) {
      report(failures, FailureCode::PathFileAccess,
             "FIT: " + fault->what + " at byte " + std::to_string(fault->offset));
    }
  } catch (const std::bad_alloc&) {
    report(failures, FailureCode::OutOfMemory, {});
  }
}

}  // namespace vianora
