#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fake_google_earth.h"
#include "fake_prompts.h"
#include "gui/earth/earth_wait_dialog.h"
#include "gui/earth/fly_through.h"
#include "gui/tripwindow/frm_stat_percorso.h"

namespace vianora::gui {
namespace {

using test_support::CameraDocument;
using test_support::FakeGoogleEarth;

std::vector<Punto> pointsFrom(double latitude, int count) {
  std::vector<Punto> points;
  for (int i = 0; i < count; ++i) {
    points.push_back({latitude + 0.001 * i, 7.0 + 0.002 * i, 500.0 + i, 39756.5 + i / 1440.0});
  }
  return points;
}

void addTrip(Percorsi& store, const std::string& name, std::vector<Punto> points) {
  Percorso& trip = store.startTrip();
  trip.Nome = name;
  trip.Punti = std::move(points);
}

class FlyThroughTest : public ::testing::Test {
 protected:
  void SetUp() override {
    addTrip(store, "Ride", pointsFrom(45.0, 4));
    addTrip(store, "Walk", pointsFrom(-30.0, 6));
    addTrip(store, "Long", pointsFrom(10.0, 50));
    sinceAdvance.start();
  }

  std::unique_ptr<frmStatPercorso> openWindow(Percorsi& trips) {
    auto window = std::make_unique<frmStatPercorso>(trips, prompts);
    window->flyThrough().setLauncher(std::make_unique<test_support::LauncherRef>(launcher));
    window->flyThrough().setClock([this] { return clock(); });
    window->show();
    return window;
  }
  std::unique_ptr<frmStatPercorso> openWindow(int trip) {
    auto window = openWindow(store);
    window->showTrip(trip);
    return window;
  }

  // Moves on a quarter of a second each time Google Earth gets a view it did not have, so
  // that each point waits exactly until Google Earth has it; once the test has stopped the
  // flight it runs free. Moves on anyway after 5 s, so that a fault fails instead of hanging.
  double clock() {
    const int changes = launcher.earth ? launcher.earth->viewChanges : 0;
    if (runFree || changes != seenChanges || sinceAdvance.elapsed() > 5000) {
      seenChanges = changes;
      now += runFree ? 7.0 : 0.25;
      sinceAdvance.restart();
    }
    return now;
  }

  static void press(QWidget& window, const char* name = "cmdGoogle") {
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
  }

  // Calls `action` when Google Earth first gets the view of `point`.
  void when(const Punto& point, std::function<void()> action) {
    launcher.onStart = [this, point, action](FakeGoogleEarth& earth) {
      earth.onDocument = [point, action](const CameraDocument& document) {
        if (document.lookAt && document.number("latitude") == point.Latitudine) action();
      };
    };
  }

  // The views Google Earth got, in order, each once.
  std::vector<std::pair<double, double>> flown() const {
    std::vector<std::pair<double, double>> views;
    for (const CameraDocument& document : launcher.earth->documents) {
      if (!document.lookAt) continue;
      const std::pair<double, double> view{document.number("latitude"),
                                           document.number("longitude")};
      if (views.empty() || views.back() != view) views.push_back(view);
    }
    return views;
  }
  static std::vector<std::pair<double, double>> positions(const std::vector<Punto>& points) {
    std::vector<std::pair<double, double>> views;
    for (const Punto& point : points) views.emplace_back(point.Latitudine, point.Longitudine);
    return views;
  }

  // The link's server is gone within a second and a half of the flight's end.
  bool linkIsClosed() const {
    const auto port = static_cast<quint16>(QUrl(launcher.link.href).port());
    return QTest::qWaitFor(
        [port] {
          QTcpSocket socket;
          socket.connectToHost(QHostAddress::LocalHost, port);
          return !socket.waitForConnected(1000);
        },
        1500);
  }

  // Google Earth's next fetch after the flight got, as its last document, the one answer that
  // stops the link, and then the link's server was gone.
  bool linkStopsThenCloses() const {
    const auto& documents = launcher.earth->documents;
    const auto stops = [&] {
      return std::count_if(documents.begin(), documents.end(),
                           [](const CameraDocument& d) { return !d.minRefreshPeriod.isEmpty(); });
    };
    if (!QTest::qWaitFor([&] { return stops() > 0; }, 1500)) return false;
    return linkIsClosed() && stops() == 1 && documents.back().valid &&
           documents.back().minRefreshPeriod == "604800";
  }

  Percorsi store;
  test_support::FakePrompts prompts;
  test_support::FakeLauncher launcher;
  double now = 5000.0;
  int seenChanges = 0;
  bool runFree = false;
  QElapsedTimer sinceAdvance;
};

TEST_F(FlyThroughTest, FliesEveryPointOfTheRefreshedTripWithTheFixedCamera) {
  auto window = openWindow(0);
  press(*window);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(window->flyThrough().isFlying());
  ASSERT_EQ(launcher.starts, 1);
  EXPECT_EQ(flown(), positions(store[0].Punti));
  const auto& documents = launcher.earth->documents;
  EXPECT_FALSE(documents.front().lookAt.has_value());  // ready before the first point
  for (const CameraDocument& document : documents) {
    EXPECT_TRUE(document.valid);
    if (!document.lookAt) continue;
    EXPECT_EQ(document.number("altitude"), 1000.0);
    EXPECT_EQ(document.number("range"), 1000.0);
    EXPECT_EQ(document.number("tilt"), 0.0);
    EXPECT_EQ(document.number("heading"), 0.0);
    EXPECT_EQ(document.lookAt->value("altitudeMode"), "relativeToGround");
  }
  EXPECT_TRUE(linkStopsThenCloses());
  EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
}

TEST_F(FlyThroughTest, ACompletedFlightLeavesTheProgramRunningForTheNext) {
  auto window = openWindow(0);
  press(*window);
  EXPECT_TRUE(window->isVisible());
  window->showTrip(1);
  press(*window);
  EXPECT_EQ(launcher.starts, 2);
  EXPECT_EQ(flown(), positions(store[1].Punti));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FlyThroughTest, AFreshProgramFliesItsPlaceholderPoint) {
  Percorsi fresh;
  auto window = openWindow(fresh);  // "Refresh" never pressed: trip 0
  press(*window);
  EXPECT_EQ(flown(), (std::vector<std::pair<double, double>>{{0.0, 0.0}}));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FlyThroughTest, NoValidTripAsksForOneAndStartsNothing) {
  auto window = openWindow(0);
  window->findChild<QComboBox*>(QStringLiteral("cmbPercorso"))->setCurrentIndex(-1);
  press(*window, "cmdAggiorna");
  press(*window);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].kind, "information");
  EXPECT_EQ(prompts.messages[1].text, "Select a valid trip!");
  EXPECT_EQ(launcher.starts, 0);
}

TEST_F(FlyThroughTest, MissingGoogleEarthIsToldAndChangesNothing) {
  launcher.installed = false;
  auto window = openWindow(0);
  press(*window);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "critical");
  EXPECT_TRUE(prompts.messages[0].text.startsWith("Google Earth Pro was not found."));
  EXPECT_EQ(launcher.starts, 0);
  EXPECT_FALSE(window->flyThrough().isFlying());
  EXPECT_EQ(window->windowTitle(), "Ride");
  EXPECT_EQ(window->PercorsoSel(), 0);
}

TEST_F(FlyThroughTest, GoogleEarthThatCannotStartIsTold) {
  launcher.startSucceeds = false;
  auto window = openWindow(0);
  press(*window);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "critical");
  EXPECT_EQ(prompts.messages[0].text,
            "Google Earth Pro (/opt/fake/google-earth-pro) could not be started.");
}

TEST_F(FlyThroughTest, GivesUpAfter120SecondsAndSaysSo) {
  launcher.answers = false;
  runFree = true;  // seven seconds at every look at the clock
  auto window = openWindow(0);
  QElapsedTimer realTime;
  realTime.start();
  const double start = now;
  press(*window);
  EXPECT_GT(now - start, 120.0);
  EXPECT_LT(realTime.elapsed(), 10'000);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "critical");
  EXPECT_EQ(prompts.messages[0].text,
            "Google Earth Pro did not answer within 120 seconds: the trip was not flown.");
  EXPECT_FALSE(window->flyThrough().isFlying());
  EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
  EXPECT_TRUE(linkIsClosed());
}

TEST_F(FlyThroughTest, WaitingShowsANonModalIndicationWhoseCancelEndsIt) {
  launcher.answers = false;
  auto window = openWindow(0);
  bool sawDialog = false;
  QTimer::singleShot(50, window.get(), [&] {
    auto* dialog = window->findChild<EarthWaitDialog*>(QStringLiteral("earthWaitDialog"));
    ASSERT_NE(dialog, nullptr);
    sawDialog = dialog->isVisible();
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
  });
  press(*window);
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(window->flyThrough().isFlying());
  EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
  EXPECT_TRUE(linkIsClosed());
}

TEST_F(FlyThroughTest, ASecondPressStopsTheRunningFlight) {
  auto window = openWindow(2);
  when(store[2].Punti[2], [&] {
    press(*window);
    runFree = true;
  });
  press(*window);
  EXPECT_EQ(launcher.starts, 1);  // the second press started nothing
  const auto views = flown();
  ASSERT_EQ(views.size(), 3u);
  EXPECT_EQ(views.back().first, store[2].Punti[2].Latitudine);
  EXPECT_FALSE(window->flyThrough().isFlying());
  EXPECT_TRUE(linkStopsThenCloses());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FlyThroughTest, ClosingTheWindowStopsItsFlight) {
  auto window = openWindow(2);
  when(store[2].Punti[2], [&] {
    window->close();
    runFree = true;
  });
  press(*window);
  EXPECT_EQ(flown().size(), 3u);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(window->flyThrough().isFlying());
  EXPECT_TRUE(linkStopsThenCloses());
}

TEST_F(FlyThroughTest, DeletingTheWindowDuringAFlightEndsItCleanly) {
  auto window = openWindow(2);
  when(store[2].Punti[2], [&] {
    QTimer::singleShot(0, [&] {
      window.reset();
      runFree = true;
    });
  });
  press(*window);
  EXPECT_EQ(window, nullptr);
  EXPECT_GE(flown().size(), 3u);
  EXPECT_LE(flown().size(), 4u);
  EXPECT_TRUE(linkStopsThenCloses());
}

// Keeps the Quit event from quitting the test program once the flight has seen it.
struct QuitCatcher : QObject {
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Quit; }
};

TEST_F(FlyThroughTest, QuittingTheProgramStopsTheFlight) {
  QuitCatcher catcher;
  qApp->installEventFilter(&catcher);  // the flight's own filter comes later and sees it first
  auto window = openWindow(2);
  when(store[2].Punti[2], [&] {
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    runFree = true;
  });
  press(*window);
  qApp->removeEventFilter(&catcher);
  EXPECT_EQ(flown().size(), 3u);
  EXPECT_FALSE(window->flyThrough().isFlying());
  EXPECT_TRUE(linkStopsThenCloses());
}

TEST_F(FlyThroughTest, RefreshForAnotherTripFliesOnFromItsNextPoint) {
  auto window = openWindow(0);
  when(store[0].Punti[1], [&] { window->showTrip(1); });
  press(*window);
  // The count of points is the first trip's; from point 2 on they come from the new one.
  const auto& ride = store[0].Punti;
  const auto& walk = store[1].Punti;
  EXPECT_EQ(flown(), positions({ride[0], ride[1], walk[2], walk[3]}));
}

TEST_F(FlyThroughTest, RefreshWithoutAValidTripEndsTheFlight) {
  auto window = openWindow(2);
  when(store[2].Punti[1], [&] {
    window->findChild<QComboBox*>(QStringLiteral("cmbPercorso"))->setCurrentIndex(-1);
    press(*window, "cmdAggiorna");
  });
  press(*window);
  EXPECT_EQ(flown().size(), 2u);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Select a valid trip!");
  EXPECT_FALSE(window->flyThrough().isFlying());
}

}  // namespace
}  // namespace vianora::gui
