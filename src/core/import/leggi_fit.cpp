#include "core/import/leggi_fit.h"

#include <chrono>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

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

// Gathers a file's points until a session (or the file's end) says which trip they make.
class TripBuilder : public FitMessageSink {
 public:
  explicit TripBuilder(Percorsi& store) : store_(store) {}

  void record(const FitRecord& record) override {
    if (!record.hasPosition) return;
    if (pending_.empty()) firstTime_ = record.time;
    pending_.push_back(Punto{
        .Latitudine = record.latitude / kSemicirclesPerDegree,
        .Longitudine = record.longitude / kSemicirclesPerDegree,
        .Altitudine = record.altitude.value_or(1.0),
        .DataOra = record.time == kNoFitTime ? 0.0 : kFitTimeEpoch + record.time / kSecondsPerDay});
  }

  void session(const FitSession& session) override {
    if (pending_.empty()) return;
    const std::uint32_t start = session.startTime != kNoFitTime ? session.startTime : firstTime_;
    store_.startTrip().Nome = tripName(session.sport, start);
    store_.resetPoints();
    tripOfThisFile_ = true;
    storePending();
  }

  void fileEnd() override {
    if (!pending_.empty() && !tripOfThisFile_) {
      store_.startTrip().Nome = tripName(0, firstTime_);
      store_.resetPoints();
    }
    storePending();
    tripOfThisFile_ = false;
  }

 private:
  void storePending() {
    for (const Punto& point : pending_) store_.addPoint() = point;
    pending_.clear();
  }

  Percorsi& store_;
  std::vector<Punto> pending_;
  std::uint32_t firstTime_ = kNoFitTime;
  bool tripOfThisFile_ = false;
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
