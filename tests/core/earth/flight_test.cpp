#include "core/earth/flight.h"

#include <gtest/gtest.h>

#include <vector>

namespace vianora {
namespace {

// The fixed camera of every point: altitude, altMode (above the ground), range, speed.
constexpr double kAltitude = 1000.0, kAboveGround = 1.0, kRange = 1000.0, kSpeed = 4.0;
constexpr int kNeverReady = 1'000'000;

Percorso tripOf(int count, double latitude0) {  // point i at latitude0 + i, longitude 7 + i
  Percorso trip;
  trip.Punti.clear();
  for (int i = 0; i < count; ++i) trip.Punti.push_back({latitude0 + i, 7.0 + i});
  return trip;
}

// A flight over a stand-in for Google Earth, which records the cameras it is sent and when and
// is ready after a given number of questions; `current` is the trip of the last "Refresh".
struct Bench : IApplicationGE {
  int questionsBeforeReady = 0, questions = 0;
  double now = 0.0;                          // the test's clock
  std::vector<std::vector<double>> cameras;  // lat, lon, alt, altMode, range, tilt, azimuth, speed
  std::vector<double> latitudes, sentAt;
  std::function<void()> onCamera;
  Percorso trip = tripOf(3, 45.0);
  const Percorso* current = &trip;
  Flight flight{*this, [this] { return current; }, 0.0};

  std::int32_t IsInitialized() override { return questions++ >= questionsBeforeReady ? 7 : 0; }
  void SetCameraParams(double lat, double lon, double alt, std::int32_t altMode, double range,
                       double tilt, double azimuth, double speed) override {
    cameras.push_back({lat, lon, alt, static_cast<double>(altMode), range, tilt, azimuth, speed});
    latitudes.push_back(lat);
    sentAt.push_back(now);
    if (onCamera) onCamera();
  }
  FlightState stepEverySecondToTheEnd() {
    while (!flight.ended()) flight.step(now += 1.0);
    return flight.state();
  }
};

TEST(Flight, AsksUntilReadyForAtMost120Seconds) {
  const struct {
    int questionsBeforeReady, questions;
    double secondsPerStep, waited;
    FlightState state;  // once the wait is over
  } cases[] = {
      {0, 1, 10.0, 0.0, FlightState::Flying},                 // ready at once: no time passes
      {5, 6, 0.25, 1.25, FlightState::Flying},                // one question a step
      {12, 13, 10.0, 120.0, FlightState::Flying},             // at 120 s still in time
      {kNeverReady, 13, 10.0, 130.0, FlightState::TimedOut},  // 120 is not more than 120
  };
  for (const auto& c : cases) {
    Bench b;
    b.questionsBeforeReady = c.questionsBeforeReady;
    while (b.flight.step(b.now) == FlightState::Waiting) b.now += c.secondsPerStep;
    EXPECT_EQ(b.flight.state(), c.state) << c.questionsBeforeReady;
    EXPECT_EQ(b.questions, c.questions) << c.questionsBeforeReady;
    EXPECT_EQ(b.now, c.waited) << c.questionsBeforeReady;
  }
}

// Each point goes at the first step more than 0.1 s after the one before: 0.1 - 0 is exactly
// 0.1, and 0.35 - 0.25 falls short of it in doubles.
TEST(Flight, FliesEachPointWithTheFixedCameraThenPausesMoreThanATenth) {
  Bench b;
  for (const double at : {-1.0, 0.0, 0.1, 0.125, 0.2, 0.25, 0.35}) {
    EXPECT_EQ(b.flight.step(b.now = at), FlightState::Flying) << at;
  }
  EXPECT_EQ(b.sentAt, (std::vector<double>{0.0, 0.125, 0.25}));
  EXPECT_EQ(b.cameras[1],
            (std::vector{46.0, 8.0, kAltitude, kAboveGround, kRange, 0.0, 0.0, kSpeed}));
  EXPECT_EQ(b.flight.step(0.375), FlightState::Completed);
  EXPECT_EQ(b.flight.step(9.0), FlightState::Completed);  // an ended flight rests
  EXPECT_EQ(b.latitudes, (std::vector{45.0, 46.0, 47.0}));
}

TEST(Flight, ReadsTheTripAnewForEveryPoint) {
  Percorso other = tripOf(5, -30.0), shorter = tripOf(1, -30.0);
  const struct {
    int pointsAtStart;  // -1: no trip
    const Percorso* afterPoint0;
    std::vector<double> latitudes;
    FlightState end;
  } cases[] = {
      // The count of points is the first trip's; from point 1 on they come from the new one.
      {3, &other, {45.0, -29.0, -28.0}, FlightState::Completed},
      {3, &shorter, {45.0}, FlightState::TripChanged},
      {3, nullptr, {45.0}, FlightState::TripChanged},
      {-1, nullptr, {}, FlightState::TripChanged},
      {0, nullptr, {}, FlightState::TripChanged},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);  // the row
    Bench b;
    b.trip = tripOf(c.pointsAtStart, 45.0);
    if (c.pointsAtStart < 0) b.current = nullptr;
    b.onCamera = [&] { b.current = c.afterPoint0; };
    EXPECT_EQ(b.stepEverySecondToTheEnd(), c.end);
    EXPECT_EQ(b.latitudes, c.latitudes);
  }
}

}  // namespace
}  // namespace vianora
