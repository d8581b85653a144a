#include "core/earth/flight.h"

#include <gtest/gtest.h>

#include <vector>

namespace vianora {
namespace {

// The fixed camera of every point: altitude, altMode (above the ground), range, tilt, azimuth,
// speed.
constexpr double kAltitude = 1000.0, kAboveGround = 1.0, kRange = 1000.0, kSpeed = 4.0;
constexpr int kNeverReady = 1'000'000;

// Records the cameras it is sent and when; ready after a given number of questions.
struct FakeEarth : IApplicationGE {
  int questionsBeforeReady = 0;
  int questions = 0;
  double now = 0.0;                          // the test's clock
  std::vector<std::vector<double>> cameras;  // lat, lon, alt, altMode, range, tilt, azimuth, speed
  std::vector<double> sentAt;
  std::function<void()> onCamera;

  std::int32_t IsInitialized() override { return questions++ >= questionsBeforeReady ? 7 : 0; }
  void SetCameraParams(double lat, double lon, double alt, std::int32_t altMode, double range,
                       double tilt, double azimuth, double speed) override {
    cameras.push_back({lat, lon, alt, static_cast<double>(altMode), range, tilt, azimuth, speed});
    sentAt.push_back(now);
    if (onCamera) onCamera();
  }
};

Percorso tripOf(std::size_t count, double latitude0) {
  Percorso trip;
  trip.Punti.clear();
  for (std::size_t i = 0; i < count; ++i) trip.Punti.push_back({latitude0 + i, 7.0 + i, 300, 1});
  return trip;
}

struct FlightTest : ::testing::Test {
  FakeEarth earth;
  Percorso trip = tripOf(3, 45.0);
  const Percorso* current = &trip;
  Flight flight{earth, [this] { return current; }, 0.0};

  // Steps every second until the flight ends.
  FlightState run() {
    while (!flight.ended()) flight.step(earth.now += 1.0);
    return flight.state();
  }
};

TEST_F(FlightTest, AsksUntilReadyForAtMost120Seconds) {
  const struct {
    int questionsBeforeReady;
    double secondsPerStep;
    FlightState state;  // once the wait is over
    int questions;
    double waited;
  } cases[] = {
      {0, 10.0, FlightState::Flying, 1, 0.0},                 // ready at once: no time passes
      {5, 0.25, FlightState::Flying, 6, 1.25},                // one question a step
      {12, 10.0, FlightState::Flying, 13, 120.0},             // at 120 s still in time
      {kNeverReady, 10.0, FlightState::TimedOut, 13, 130.0},  // 120 is not more than 120
  };
  for (const auto& c : cases) {
    FakeEarth fresh;
    fresh.questionsBeforeReady = c.questionsBeforeReady;
    Flight waiting(
        fresh, [this] { return &trip; }, 0.0);
    double at = 0.0;
    while (waiting.step(at) == FlightState::Waiting) at += c.secondsPerStep;
    EXPECT_EQ(waiting.state(), c.state) << c.questionsBeforeReady;
    EXPECT_EQ(fresh.questions, c.questions) << c.questionsBeforeReady;
    EXPECT_EQ(at, c.waited) << c.questionsBeforeReady;
  }
}

// Steps at hand-picked times: each point goes at the first step more than 0.1 s after the one
// before; 0.35 - 0.25 falls short of 0.1 in doubles, 0.1 - 0 is exactly 0.1.
TEST_F(FlightTest, FliesEachPointWithTheFixedCameraThenPausesMoreThanATenth) {
  for (const double at : {-1.0, 0.0, 0.1, 0.125, 0.2, 0.25, 0.35}) {
    EXPECT_EQ(flight.step(earth.now = at), FlightState::Flying) << at;
  }
  EXPECT_EQ(earth.sentAt, (std::vector<double>{0.0, 0.125, 0.25}));
  for (std::size_t i = 0; i < 3; ++i) {
    const std::vector<double> expected = {45.0 + i, 7.0 + i, kAltitude, kAboveGround,
                                          kRange,   0.0,     0.0,       kSpeed};
    EXPECT_EQ(earth.cameras[i], expected) << i;
  }
  EXPECT_EQ(flight.step(earth.now = 0.375), FlightState::Completed);
  EXPECT_EQ(flight.step(earth.now = 9.0), FlightState::Completed);  // an ended flight rests
  EXPECT_EQ(earth.cameras.size(), 3u);
  EXPECT_EQ(earth.questions, 1);
}

TEST_F(FlightTest, ReadsTheTripAnewForEveryPoint) {
  Percorso other = tripOf(5, -30.0), shorter = tripOf(1, -30.0), empty = tripOf(0, 0.0);
  const struct {
    const char* what;
    const Percorso* atStart;
    const Percorso* afterPoint0;
    std::vector<double> latitudes;
    FlightState end;
  } cases[] = {
      // The count of points is the first trip's; from point 1 on they come from the new one.
      {"another trip", &trip, &other, {45.0, -29.0, -28.0}, FlightState::Completed},
      {"a shorter trip", &trip, &shorter, {45.0}, FlightState::TripChanged},
      {"no trip", &trip, nullptr, {45.0}, FlightState::TripChanged},
      {"no trip at start", nullptr, nullptr, {}, FlightState::TripChanged},
      {"an empty trip", &empty, &empty, {}, FlightState::TripChanged},
  };
  for (const auto& c : cases) {
    FakeEarth fresh;
    current = c.atStart;
    fresh.onCamera = [&] { current = c.afterPoint0; };
    Flight changing(
        fresh, [this] { return current; }, 0.0);
    while (!changing.ended()) changing.step(fresh.now += 1.0);
    EXPECT_EQ(changing.state(), c.end) << c.what;
    std::vector<double> latitudes;
    for (const auto& camera : fresh.cameras) latitudes.push_back(camera[0]);
    EXPECT_EQ(latitudes, c.latitudes) << c.what;
  }
}

TEST_F(FlightTest, FliesTripsBeyondA16BitCount) {
  trip = tripOf(40'000, -60.0);
  EXPECT_EQ(run(), FlightState::Completed);
  ASSERT_EQ(earth.cameras.size(), 40'000u);
  EXPECT_EQ(earth.cameras.back()[0], -60.0 + 39'999);
}

}  // namespace
}  // namespace vianora
