#include "cli/trip_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <streambuf>

namespace vianora::cli {
namespace {

/// A stream buffer that keeps nothing: it counts the bytes it is given and remembers the
/// largest piece given at once, so a test sees whether a report leaves as it is written.
class CountingSink : public std::streambuf {
 public:
  std::size_t total = 0;
  std::size_t largestPiece = 0;

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) count(1);
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* /*bytes*/, std::streamsize n) override {
    count(static_cast<std::size_t>(n));
    return n;
  }

 private:
  void count(std::size_t n) {
    total += n;
    largestPiece = std::max(largestPiece, n);
  }
};

// A file of many empty tracks makes as many trips; the reports of them leave in small pieces
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
