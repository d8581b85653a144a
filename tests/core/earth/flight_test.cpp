#include "core/earth/flight.h"

#include <gtest/gtest.h>

#include <vector>

namespace vianora {
namespace {

// Records the camera positions it is sent; ready after a given number of questions.
class FakeEarth : public IApplicationGE {
 public:
  int questionsBeforeReady = 0;
  int questions = 0;
  std::vector<std::vector<double>> cameras;  // lat, lon, alt, altMode, range, tilt, azimuth, speed
  std::function<void()> onCamera;

  std::int32_t IsInitialized() override { return questions++ >= questionsBeforeReady ? 7 : 0; }
  void SetCameraParams(double lat, double lon, double alt, std::int32_t altMode, double range,
                       double tilt, double azimuth, double speed) override {
    cameras.push_back({lat, lon, alt, static_cast<double>(altMode), range, tilt, azimuth, speed});
    if (onCamera) onCamera();
  }
};

Percorso tripOf(std::size_t count, double latitude0 = 45.0) {
  Percorso trip;
  trip.Punti.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    trip.Punti[i] = {latitude0 + 0.001 * static_cast<double>(i), 7.0, 300.0 + i, 39756.5};
  }
  return trip;
}

class FlightTest : public ::testing::Test {
 protected:
  FakeEarth earth;
  Percorso trip = tripOf(3);
  const Percorso* current = &trip;
  double now = 1000.0;
  int pumps = 0;
  bool stop = false;
  FlightHooks hooks{[this] {
                      ++pumps;
                      now += 0.01;
                    },
                    [this] { return stop; }, [this] { return current; }, [this] { return now; }};
};

TEST_F(FlightTest, ReadyAtOnceNeedsNoPump) {
  EXPECT_EQ(waitUntilReady(earth, hooks), ReadinessResult::Ready);
  EXPECT_EQ(pumps, 0);
}

TEST_F(FlightTest, AsksUntilReadyProcessingEventsMeanwhile) {
  earth.questionsBeforeReady = 5;
  EXPECT_EQ(waitUntilReady(earth, hooks), ReadinessResult::Ready);
  EXPECT_EQ(earth.questions, 6);
  EXPECT_EQ(pumps, 5);
}

TEST_F(FlightTest, GivesUpOnlyAfterMoreThan120Seconds) {
  earth.questionsBeforeReady = 1'000'000;
  hooks.pumpEvents = [this] { now += 10.0; };
  const double start = now;
  EXPECT_EQ(waitUntilReady(earth, hooks), ReadinessResult::TimedOut);
  EXPECT_EQ(now - start, 130.0);  // 120 is not yet more than 120
}

TEST_F(FlightTest, AnswerAtTheLastMomentIsInTime) {
  earth.questionsBeforeReady = 12;
  hooks.pumpEvents = [this] { now += 10.0; };
  EXPECT_EQ(waitUntilReady(earth, hooks), ReadinessResult::Ready);
}

TEST_F(FlightTest, StopsWaitingWhenAsked) {
  earth.questionsBeforeReady = 1'000'000;
  hooks.pumpEvents = [this] { stop = ++pumps == 3; };
  EXPECT_EQ(waitUntilReady(earth, hooks), ReadinessResult::Stopped);
  EXPECT_EQ(pumps, 3);
}

TEST_F(FlightTest, FliesEveryPointFromPointZeroWithTheFixedCamera) {
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::Completed);
  ASSERT_EQ(earth.cameras.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const std::vector<double> expected = {
        trip.Punti[i].Latitudine, 7.0, 1000.0, 1.0, 1000.0, 0.0, 0.0, 4.0};
    EXPECT_EQ(earth.cameras[i], expected) << i;
  }
}

TEST_F(FlightTest, WaitsMoreThanATenthAfterEachPoint) {
  std::vector<double> times;
  earth.onCamera = [&] { times.push_back(now); };
  const double start = now;
  flyTrip(earth, hooks);
  ASSERT_EQ(times.size(), 3u);
  EXPECT_GT(times[1] - times[0], 0.1);
  EXPECT_GT(times[2] - times[1], 0.1);
  EXPECT_GT(now - times[2], 0.1);
  EXPECT_LT(now - start, 0.4);
}

TEST_F(FlightTest, OnePointIsOneCameraAndATenth) {
  trip = tripOf(1, 0.0);
  const double start = now;
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::Completed);
  ASSERT_EQ(earth.cameras.size(), 1u);
  EXPECT_EQ(earth.cameras[0][0], 0.0);
  EXPECT_GT(now - start, 0.1);
}

TEST_F(FlightTest, ReadsTheTripAnewAtEveryStep) {
  Percorso other = tripOf(5, -30.0);
  earth.onCamera = [&] { current = &other; };  // "Refresh" for another trip after point 0
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::Completed);
  ASSERT_EQ(earth.cameras.size(), 3u);  // the count taken at the start
  EXPECT_EQ(earth.cameras[0][0], 45.0);
  EXPECT_EQ(earth.cameras[1][0], other.Punti[1].Latitudine);
  EXPECT_EQ(earth.cameras[2][0], other.Punti[2].Latitudine);
}

TEST_F(FlightTest, EndsWhenTheNewTripHasNoNextPoint) {
  Percorso shorter = tripOf(1, -30.0);
  earth.onCamera = [&] { current = &shorter; };
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::TripChanged);
  EXPECT_EQ(earth.cameras.size(), 1u);
}

TEST_F(FlightTest, EndsWhenNoTripIsChosenAnyMore) {
  earth.onCamera = [&] { current = nullptr; };
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::TripChanged);
  EXPECT_EQ(earth.cameras.size(), 1u);
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::TripChanged);
  EXPECT_EQ(earth.cameras.size(), 1u);
}

TEST_F(FlightTest, StopsAfterThePumpThatAskedIt) {
  trip = tripOf(10);
  earth.onCamera = [&] { stop = earth.cameras.size() == 4; };
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::Stopped);
  EXPECT_EQ(earth.cameras.size(), 4u);
}

TEST_F(FlightTest, FliesTripsBeyondA16BitCount) {
  trip = tripOf(40'000);
  hooks.pumpEvents = [this] { now += 0.2; };  // every wait over at its first check
  EXPECT_EQ(flyTrip(earth, hooks), FlightResult::Completed);
  ASSERT_EQ(earth.cameras.size(), 40'000u);
  EXPECT_EQ(earth.cameras.back()[0], trip.Punti.back().Latitudine);
}

}  // namespace
}  // namespace vianora
