#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTcpSocket>
#include <QTest>
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

using test_support::View;
using Window = std::unique_ptr<frmStatPercorso>;

constexpr int kFlightWaitMs = 5000;   // a test flight ends well within this
constexpr int kConnectWaitMs = 1000;  // a closed loopback port refuses well within this
constexpr double kPauseOver = 0.25;   // moves the clock past the pause after a point
constexpr double kFastSeconds = 7.0;  // what the clock moves at each look when running fast

// Keeps the Quit event from quitting the test program once the flight has seen it.
struct QuitCatcher : QObject {
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Quit; }
};

class FlyThroughTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, latitude, count] :
         {std::tuple{"Ride", 45.0, 4}, {"Walk", -30.0, 6}, {"Long", 10.0, 50}}) {
      Percorso& trip = store.startTrip();
      trip.Nome = name;
      trip.Punti.clear();
      for (int i = 0; i < count; ++i) trip.Punti.push_back({latitude + i, 7.0 + i, 500, 39756});
    }
  }

  Window openWindow(Percorsi& trips, std::optional<int> trip) {
    auto window = std::make_unique<frmStatPercorso>(trips, prompts);
    window->flyThrough().setLauncher(std::make_unique<test_support::LauncherRef>(launcher));
    window->flyThrough().setClock([this] { return clock(); });
    window->show();
    if (trip) window->showTrip(*trip);
    return window;
  }

  // Moves on past the pause each time Google Earth has got a new view, so that each point
  // waits until Google Earth has it.
  double clock() {
    const std::size_t views = launcher.earth ? launcher.earth->views.size() : 0;
    if (fast || views != seenViews) now += fast ? kFastSeconds : kPauseOver;
    seenViews = views;
    return now;
  }

  static void press(QWidget& window, const char* name = "cmdGoogle") {
    window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
  }
  static void refreshWithoutATrip(frmStatPercorso& window) {
    window.findChild<QComboBox*>(QStringLiteral("cmbPercorso"))->setCurrentIndex(-1);
    press(window, "cmdAggiorna");
  }
  // Presses "Google Earth" and runs the application until the flight (or the window) is over.
  bool fly(Window& window) {
    press(*window);
    return QTest::qWaitFor([&] { return !window || !window->flyThrough().isFlying(); },
                           kFlightWaitMs);
  }
  // Calls `action` when Google Earth first gets the view of point `point` of trip `trip`.
  void when(int trip, int point, std::function<void()> action) {
    const View view{store[trip].Punti[point].Latitudine, store[trip].Punti[point].Longitudine};
    launcher.onStart = [view, action](test_support::FakeGoogleEarth& earth) {
      earth.onView = [view, action](View got) {
        if (got == view) action();
      };
    };
  }

  std::vector<View> views(int trip, int from, int to) const {
    std::vector<View> result;
    for (int i = from; i < to; ++i) {
      result.emplace_back(store[trip].Punti[i].Latitudine, store[trip].Punti[i].Longitudine);
    }
    return result;
  }
  std::vector<View> flown() const { return launcher.earth->views; }

  bool linkIsClosed() const {
    return QTest::qWaitFor(
        [port = static_cast<quint16>(launcher.href.port())] {
          QTcpSocket socket;
          socket.connectToHost(QHostAddress::LocalHost, port);
          return !socket.waitForConnected(kConnectWaitMs);
        },
        kFlightWaitMs);
  }
  // Google Earth's next fetch after the flight got, as its last document, the one answer that
  // stops the link, and then the link's server was gone.
  bool linkStopsThenCloses() const {
    const auto& documents = launcher.earth->documents;
    const auto stops = [&] { return std::count_if(documents.begin(), documents.end(), stopsLink); };
    return QTest::qWaitFor([&] { return stops() > 0; }, kFlightWaitMs) && linkIsClosed() &&
           stops() == 1 && test_support::stopsLink(documents.back());
  }
  static bool stopsLink(const QByteArray& kml) { return test_support::stopsLink(kml); }

  Percorsi store;
  test_support::FakePrompts prompts;
  test_support::FakeLauncher launcher;
  double now = 5000.0;
  std::size_t seenViews = 0;
  bool fast = false;
};

TEST_F(FlyThroughTest, FliesEveryPointOfTheRefreshedTripAndThenTheNextOne) {
  Window window = openWindow(store, 0);
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(flown(), views(0, 0, 4));
  EXPECT_TRUE(linkStopsThenCloses());
  EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
  window->showTrip(1);
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(launcher.starts, 2);
  EXPECT_EQ(flown(), views(1, 0, 6));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FlyThroughTest, AFreshProgramFliesItsPlaceholderPoint) {
  Percorsi fresh;
  Window window = openWindow(fresh, std::nullopt);  // "Refresh" never pressed: trip 0
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(flown(), (std::vector<View>{{0.0, 0.0}}));
}

TEST_F(FlyThroughTest, TellsWhyItCannotFly) {
  const struct {
    bool installed, startSucceeds, validTrip;
    int starts;
    const char* kind;
    QString text;
  } cases[] = {
      {true, true, false, 0, "information", "Select a valid trip!"},
      {false, true, true, 0, "critical", "Google Earth Pro was not found.\nInstall Google Earth"},
      {true, false, true, 1, "critical",
       "Google Earth Pro (/opt/fake/google-earth-pro) could not be started."},
  };
  for (const auto& c : cases) {
    launcher.installed = c.installed;
    launcher.startSucceeds = c.startSucceeds;
    launcher.starts = 0;
    prompts.messages.clear();
    Window window = openWindow(store, 0);
    if (!c.validTrip) refreshWithoutATrip(*window);
    prompts.messages.clear();
    press(*window);
    EXPECT_EQ(launcher.starts, c.starts) << c.text.toStdString();
    EXPECT_FALSE(window->flyThrough().isFlying());
    ASSERT_EQ(prompts.messages.size(), 1u) << c.text.toStdString();
    EXPECT_EQ(prompts.messages[0].kind, c.kind);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(c.text)) << c.text.toStdString();
  }
}

TEST_F(FlyThroughTest, GivesUpAfter120SecondsAndSaysSo) {
  launcher.answers = false;
  fast = true;
  Window window = openWindow(store, 0);
  const double start = now;
  ASSERT_TRUE(fly(window));
  EXPECT_GT(now - start, 120.0);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "critical");
  EXPECT_EQ(prompts.messages[0].text,
            "Google Earth Pro did not answer within 120 seconds: the trip was not flown.");
  EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
  EXPECT_TRUE(linkIsClosed());
}

TEST_F(FlyThroughTest, WaitingShowsANonModalIndicationWhoseCancelEndsIt) {
  launcher.answers = false;
  Window window = openWindow(store, 0);
  press(*window);
  auto* dialog = window->findChild<EarthWaitDialog*>(QStringLiteral("earthWaitDialog"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->flyThrough().isFlying(); }, kFlightWaitMs));
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
  EXPECT_TRUE(linkIsClosed());
}

// Each of these ends the flight as soon as Google Earth has the view of point 2.
TEST_F(FlyThroughTest, StopsWhenPressedAgainClosedDeletedOrQuit) {
  QuitCatcher catcher;
  qApp->installEventFilter(&catcher);  // the flight's own filter comes later and sees it first
  Window window;
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"second press", [&] { press(*window); }},
      {"window closed", [&] { window->close(); }},
      {"window deleted", [&] { window.reset(); }},
      {"application quit",
       [&] {
         QEvent quit(QEvent::Quit);
         QCoreApplication::sendEvent(qApp, &quit);
       }},
  };
  for (const auto& [what, action] : cases) {
    window = openWindow(store, 2);
    when(2, 2, action);
    ASSERT_TRUE(fly(window)) << what;
    EXPECT_EQ(launcher.starts, 1) << what;  // a second press starts nothing
    EXPECT_EQ(flown(), views(2, 0, 3)) << what;
    EXPECT_TRUE(linkStopsThenCloses()) << what;
    launcher.starts = 0;
  }
  qApp->removeEventFilter(&catcher);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FlyThroughTest, RefreshDuringAFlightFliesOnWithTheNewTripOrEndsIt) {
  Window window = openWindow(store, 0);
  when(0, 1, [&] { window->showTrip(1); });
  ASSERT_TRUE(fly(window));
  // The count of points is the first trip's; from point 2 on they come from the new one.
  std::vector<View> expected = views(0, 0, 2);
  for (const View& view : views(1, 2, 4)) expected.push_back(view);
  EXPECT_EQ(flown(), expected);

  window = openWindow(store, 2);
  when(2, 1, [&] { refreshWithoutATrip(*window); });
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(flown(), views(2, 0, 2));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Select a valid trip!");
}

}  // namespace
}  // namespace vianora::gui
