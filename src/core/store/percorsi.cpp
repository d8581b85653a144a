#include "core/store/percorsi.h"

#include <bit>
#include <cstdint>
#include <iterator>
#include <limits>
#include <new>
#include <string_view>

#include "core/util/big_buffer.h"

namespace vianora {
namespace {

// Marks a recreated point 0 as taken until the reader stores the real latitude.
constexpr double kPlaceholderLatitude = 1.0;

// What the stand-in of standingIn() holds until a file sets it. No GPX text holds a line feed,
// and the other readers name only the trips they start; a signalling NaN is never the result
// of reading a number or of arithmetic, which give quiet ones.
constexpr std::string_view kStandInText = "\n";
constexpr std::int32_t kStandInEncoding = std::numeric_limits<std::int32_t>::min();
constexpr std::uint64_t kStandInValue = 0x7FF0'0000'DEAD'0001;  // a signalling NaN

// Sets `value` to what the file set on the stand-in's `standIn`, if it set anything.
void takeIfSet(double standIn, double& value) {
  if (std::bit_cast<std::uint64_t>(standIn) != kStandInValue) value = standIn;
}

}  // namespace

Percorsi::Percorsi() : trips_(1) {}

bool Percorsi::isFresh() const {
  if (standIn_ || trips_.size() != 1) return false;
  const Percorso& trip = trips_.front();
  const Punto& point = trip.Punti.front();
  return trip.Nome.empty() && trip.Versione.empty() && trip.Codifica == 0 &&
         trip.sourceFile.empty() && trip.Punti.size() == 1 && point.Latitudine == 0.0 &&
         point.Longitudine == 0.0 && point.Altitudine == 0.0 && point.DataOra == 0.0;
}

Percorsi Percorsi::standingIn() {
  Percorsi store;
  Percorso& standIn = store.trips_.front();
  // Built whole rather than assigned: GCC 12 warns falsely on assigning the view to a string.
  standIn.Nome = std::string(kStandInText);
  standIn.Versione = std::string(kStandInText);
  standIn.Codifica = kStandInEncoding;
  const double value = std::bit_cast<double>(kStandInValue);
  standIn.Punti.front() = Punto{value, value, value, value};
  store.standIn_ = true;
  return store;
}

bool Percorsi::takeFileRead(Percorsi&& read) {
  Percorso& standIn = read.trips_.front();
  if (isEmpty() || !read.standIn_ || !read.replayable_ || !standIn.sourceFile.empty()) {
    return false;
  }
  Percorso& last = trips_.back();
  if (standIn.Nome != kStandInText) last.Nome = std::move(standIn.Nome);
  if (standIn.Versione != kStandInText) last.Versione = std::move(standIn.Versione);
  if (standIn.Codifica != kStandInEncoding) last.Codifica = standIn.Codifica;
  const Punto& set = standIn.Punti.front();
  Punto& point = last.Punti.back();
  takeIfSet(set.Latitudine, point.Latitudine);
  takeIfSet(set.Longitudine, point.Longitudine);
  takeIfSet(set.Altitudine, point.Altitudine);
  takeIfSet(set.DataOra, point.DataOra);
  trips_.insert(trips_.end(), std::make_move_iterator(read.trips_.begin() + 1),
                std::make_move_iterator(read.trips_.end()));
  return true;
}

Percorso& Percorsi::startTrip() {
  // A stand-in renamed to nothing would take the trip, where the real store appends one.
  if (standIn_ && isEmpty()) replayable_ = false;
  if (!isEmpty()) trips_.emplace_back();
  return trips_.back();
}

Punto& Percorsi::addPoint() {
  notePointsChange();
  auto& points = trips_.back().Punti;
  if (points.front().Latitudine == 0.0) {
    points.assign(1, Punto{});
    points.front().Latitudine = kPlaceholderLatitude;
  } else {
    points.emplace_back();
  }
  return points.back();
}

std::optional<std::size_t> Percorsi::firstTripWithPoints(std::size_t first) const {
  for (std::size_t i = first; i < trips_.size(); ++i) {
    if (trips_[i].hasPoints()) return i;
  }
  return std::nullopt;
}

void Percorsi::recordSourceFile(std::size_t first, const std::string& path) {
  if (isEmpty()) return;
  for (std::size_t i = first; i < trips_.size(); ++i) {
    if (trips_[i].sourceFile.empty()) trips_[i].sourceFile = path;
  }
}

void Percorsi::reservePoints(std::size_t count) {
  auto& points = trips_.back().Punti;
  if (count <= points.capacity()) return;
  try {
    points.reserve(count);
  } catch (const std::bad_alloc&) {
    return;  // the points still grow one by one as far as memory goes
  }
  // The points past the first are not yet touched: a million of them fill 32 MB.
  adviseHugePages(points.data() + points.size(), (points.capacity() - points.size()) * sizeof(Punto));
}

void Percorsi::resetPoints() {
  notePointsChange();
  trips_.back().Punti.assign(1, Punto{});
}

}  // namespace vianora
