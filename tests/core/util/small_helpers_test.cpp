// Minimo, WaitSeconds and the failure texts.
#include <gtest/gtest.h>

#include <cmath>

#include "core/import/import_failure.h"
#include "core/util/minimo.h"
#include "core/util/wait_seconds.h"

namespace vianora {
namespace {

TEST(Minimo, GivesTheSmallerAndTheSecondOnTies) {
  using Opt = std::optional<double>;
  EXPECT_EQ(Minimo(Opt(3), Opt(5)), Opt(3));
  EXPECT_EQ(Minimo(Opt(5), Opt(3)), Opt(3));
  EXPECT_EQ(Minimo(Opt(5), Opt()), Opt(5));
  EXPECT_EQ(Minimo(Opt(), Opt(5)), Opt(5));
  EXPECT_EQ(Minimo(Opt(), Opt()), Opt());
  // A tie returns b: tell them apart by their sign.
  EXPECT_TRUE(std::signbit(*Minimo(Opt(0.0), Opt(-0.0))));
}

TEST(WaitSeconds, ReturnsOnlyOnceTheClockHasPassedTheWaitAndPumpsMeanwhile) {
  double now = 86399.95;  // just before midnight: an elapsed clock does not care
  int pumps = 0;
  WaitSeconds(
      0.1,
      [&] {
        ++pumps;
        now += 0.01;
      },
      [&] { return now; });
  EXPECT_GT(now - 86399.95, 0.1);
  EXPECT_LE(now - 86399.95, 0.12);
  EXPECT_GE(pumps, 10);
}

TEST(WaitSeconds, ChecksTheClockBeforePumpingTheFirstTime) {
  double now = 0;
  int pumps = 0;
  WaitSeconds(
      -1, [&] { ++pumps; }, [&] { return now; });
  EXPECT_EQ(pumps, 0);
}

TEST(ImportFailure, WritesTheOpenCommandsAndTheGpxReadersMessages) {
  ImportFailure failure;
  failure.code = FailureCode::Overflow;
  failure.line = 12;
  EXPECT_EQ(openFailureTitle(failure), "Errore vianora");
  EXPECT_EQ(openFailureText(failure), "(Linea 12) 6\r\nOverflow");
  EXPECT_EQ(openFailureText(failure, "ride.plt"), "(Linea 12) 6\r\nOverflow: ride.plt");
  failure.code = FailureCode::TypeMismatch;
  failure.line = 0;
  EXPECT_EQ(gpxFailureText(failure),
            "Error number: 13\r\nType mismatch\r\nSource: vianora\r\nError line: 0");
  EXPECT_EQ(nothingFoundText("a.gpx"), "a.gpx: no track or route was found.");
}

}  // namespace
}  // namespace vianora
