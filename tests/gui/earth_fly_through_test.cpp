#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "fake_google_earth.h"
#include "fake_prompts.h"
#include "gui/earth/earth_wait_dialog.h"
#include "gui/earth/fly_through.h"
#include "gui/tripwindow/frm_stat_percorso.h"

namespace vianora::gui {
namespace {

using test_support::View;
using Window = std::unique_ptr<frmStatPercorso>;

constexpr int kEndWaitMs = 5000;      // a test flight, and its link, end well within this
constexpr double kPauseOver = 0.25;   // moves the clock past the pause after a point
constexpr double kFastSeconds = 7.0;  // what the clock moves at each look when running fast

// Keeps the Quit event from quitting the test program once the flight has seen it.
struct QuitCatcher : QObject {
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Quit; }
};

struct FlyThroughTest : ::testing::Test {
  void SetUp() override {
    for (const auto& [name, latitude, count] : {std::tuple{"Ride", 45.0, 4}, {"Walk", -30.0, 6}}) {
      Percorso& trip = store.startTrip();
      trip.Nome = name;
      trip.Punti.clear();
      for (int i = 0; i < count; ++i) trip.Punti.push_back({latitude + i, 7.0 + i, 500, 39756});
    }
  }
  Window open(Percorsi& trips, std::optional<int> trip) {
    auto window = std::make_unique<frmStatPercorso>(trips, prompts);
    window->flyThrough().setLauncher(std::make_unique<test_support::LauncherRef>(launcher));
    window->flyThrough().setClock([this] { return clock(); });
    window->show();
    if (trip) window->showTrip(*trip);
    return window;
  }
  // Moves on past the pause each time Google Earth has a new view: each point waits for it.
  double clock() {
    const std::size_t views = launcher.earth ? launcher.earth->views.size() : 0;
    if (fast || views != seenViews) now += fast ? kFastSeconds : kPauseOver;
    seenViews = views;
    return now;
  }
  static void press(QWidget& window, const char* name = "cmdGoogle") {
    window.findChild<QPushButton*>(name)->click();
  }
  static void refreshWithoutATrip(frmStatPercorso& window) {
    window.findChild<QComboBox*>("cmbPercorso")->setCurrentIndex(-1);
    press(window, "cmdAggiorna");
  }
  // Presses "Google Earth" and runs the application until the flight (or the window) is gone.
  bool fly(Window& window, bool pressFirst = true) {
    if (pressFirst) press(*window);
    return QTest::qWaitFor([&] { return !window || !window->flyThrough().isFlying(); }, kEndWaitMs);
  }
  // Calls `action` when Google Earth first gets the view of point `point` of trip `trip`.
  void when(int trip, int point, std::function<void()> action) {
    launcher.onStart = [view = views(trip, point, point + 1)[0], action](auto& earth) {
      earth.onView = [view, action](View got) { got == view ? action() : void(); };
    };
  }
  std::vector<View> views(int trip, int from, int to) const {
    std::vector<View> result;
    for (int i = from; i < to; ++i) result.push_back(test_support::viewOf(store[trip].Punti[i]));
    return result;
  }
  // Google Earth's next fetch after the flight got the one answer that stops the link, and
  // the link was gone for the fetch after it.
  bool linkStopsThenCloses() const {
    const auto& got = launcher.earth->documents;
    return QTest::qWaitFor([&] { return launcher.earth->failures > 0; }, kEndWaitMs) &&
           std::count_if(got.begin(), got.end(), test_support::stopsLink) == 1 &&
           test_support::stopsLink(got.back());
  }
  std::vector<QString> messages() const {
    std::vector<QString> texts;
    for (const auto& m : prompts.messages) texts.push_back(m.kind + ": " + m.text);
    return texts;
  }

  Percorsi store;
  test_support::FakePrompts prompts;
  test_support::FakeLauncher launcher;
  double now = 5000.0;
  std::size_t seenViews = 0;
  bool fast = false;
};

TEST_F(FlyThroughTest, FliesEveryPointOfTheRefreshedTripAndThenTheNextOne) {
  Window window = open(store, 0);
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(launcher.earth->views, views(0, 0, 4));
  EXPECT_TRUE(linkStopsThenCloses());
  window->showTrip(1);
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(launcher.starts, 2);
  EXPECT_EQ(launcher.earth->views, views(1, 0, 6));
  Percorsi fresh;
  window = open(fresh, std::nullopt);  // "Refresh" never pressed: the placeholder of trip 0
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(launcher.earth->views, (std::vector<View>{{0.0, 0.0}}));
  EXPECT_EQ(messages(), std::vector<QString>{});
}

TEST_F(FlyThroughTest, TellsWhyItCannotFly) {
  const struct {
    bool installed, startSucceeds, validTrip;
    int starts;
    QString message;
  } cases[] = {
      {true, true, false, 0, "information: Select a valid trip!"},
      {false, true, true, 0, "critical: Google Earth Pro was not found.\nInstall Google Earth Pro"},
      {true, false, true, 1,
       "critical: Google Earth Pro (/opt/fake/google-earth-pro) could not be started."},
  };
  for (const auto& c : cases) {
    launcher.installed = c.installed, launcher.startSucceeds = c.startSucceeds, launcher.starts = 0;
    Window window = open(store, 0);
    if (!c.validTrip) refreshWithoutATrip(*window);
    prompts.messages.clear();
    press(*window);
    EXPECT_EQ(launcher.starts, c.starts) << c.message.toStdString();
    EXPECT_FALSE(window->flyThrough().isFlying());
    ASSERT_EQ(messages().size(), 1u) << c.message.toStdString();
    EXPECT_TRUE(messages()[0].startsWith(c.message)) << messages()[0].toStdString();
  }
}

// Waiting shows a non-modal indication; it ends after 120 seconds, told, or on Cancel, silently.
TEST_F(FlyThroughTest, WaitsForGoogleEarthUntil120SecondsOrCancel) {
  launcher.answers = false;
  for (const bool cancel : {false, true}) {
    fast = !cancel;
    prompts.messages.clear();
    Window window = open(store, 0);
    const double start = now;
    press(*window);
    auto* dialog = window->findChild<EarthWaitDialog*>("earthWaitDialog");
    ASSERT_TRUE(dialog && dialog->isVisible() && !dialog->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    if (cancel) dialog->findChild<QPushButton*>("cancelButton")->click();
    ASSERT_TRUE(fly(window, false));
    EXPECT_EQ(now - start > 120.0, !cancel);
    EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
    EXPECT_EQ(messages(),
              cancel ? std::vector<QString>{}
                     : std::vector<QString>{"critical: Google Earth Pro did not answer within 120 "
                                            "seconds: the trip was not flown."});
    launcher.earth->start();  // Google Earth comes at last: it is told to stop
    EXPECT_TRUE(linkStopsThenCloses());
  }
}

TEST_F(FlyThroughTest, StopsWhenPressedAgainClosedDeletedOrQuit) {
  QuitCatcher catcher;
  qApp->installEventFilter(&catcher);  // the flight's own filter comes later and sees it first
  Window window;
  QEvent quit(QEvent::Quit);
  const std::function<void()> actions[] = {[&] { press(*window); }, [&] { window->close(); },
                                           [&] { window.reset(); },
                                           [&] { QCoreApplication::sendEvent(qApp, &quit); }};
  for (const auto& action : actions) {
    window = open(store, 0);
    when(0, 2, action);  // as soon as Google Earth has the view of point 2
    launcher.starts = 0;
    ASSERT_TRUE(fly(window));
    EXPECT_EQ(launcher.starts, 1);  // a second press starts nothing
    EXPECT_EQ(launcher.earth->views, views(0, 0, 3));
    EXPECT_TRUE(linkStopsThenCloses());
  }
  qApp->removeEventFilter(&catcher);
  EXPECT_EQ(messages(), std::vector<QString>{});
}

TEST_F(FlyThroughTest, RefreshDuringAFlightFliesOnWithTheNewTripOrEndsIt) {
  Window window = open(store, 0);
  when(0, 1, [&] { window->showTrip(1); });
  ASSERT_TRUE(fly(window));
  // The count of points is the first trip's; from point 2 on they come from the new one.
  const std::vector<View> ride = views(0, 0, 2), walk = views(1, 2, 4);
  EXPECT_EQ(launcher.earth->views, (std::vector<View>{ride[0], ride[1], walk[0], walk[1]}));
  when(1, 1, [&] { refreshWithoutATrip(*window); });
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(launcher.earth->views, views(1, 0, 2));
  EXPECT_EQ(messages(), std::vector<QString>{"information: Select a valid trip!"});
}

}  // namespace
}  // namespace vianora::gui
