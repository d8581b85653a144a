#include "cli/trip_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <streambuf>

namespace vianora::cli {
namespace {

// Keeps nothing: counts the bytes it is given and the largest piece given at once.
class CountingSink : public std::streambuf {
 public:
  std::size_t total = 0;
  std::size_t largestPiece = 0;

 protected:
  int_type overflow(int_type c) override { return count(1), traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return count(n), n; }

 private:
  void count(std::streamsize n) {
    total += static_cast<std::size_t>(n);
    largestPiece = std::max(largestPiece, static_cast<std::size_t>(n));
  }
};

// A file of many empty tracks makes as many trips; their reports leave in small pieces
// instead of being built whole in memory first.
TEST(TripReport, WritesTheTripsOfALargeStoreAsItGoes) {
  constexpr std::size_t kTrips = 20'000;
  Percorsi store;
  for (std::size_t i = 0; i < kTrips; ++i) store.startTrip().Nome = "Trip";
  for (const auto write : {writeTextReport, writeJsonReport}) {
    CountingSink sink;
    std::ostream out(&sink);
    write(out, store);
    EXPECT_GT(sink.total, kTrips * 200);  // a trip takes 11 lines of text, 40 of JSON
    EXPECT_LE(sink.largestPiece, 1024u);
  }
}

}  // namespace
}  // namespace vianora::cli
