#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

#include "fake_google_earth.h"
#include "fake_prompts.h"
#include "gui/earth/application_ge.h"
#include "gui/earth/earth_wait_dialog.h"
#include "gui/earth/fly_through.h"
#include "gui/tripwindow/frm_stat_percorso.h"

namespace vianora::gui {
namespace {

using Window = std::unique_ptr<frmStatPercorso>;

constexpr int kEndWaitMs = 5000;      // a test flight, and its link, end well within this
constexpr double kPauseOver = 0.25;   // moves the clock past the pause after a point
constexpr double kFastSeconds = 7.0;  // what the clock moves at each look when running fast

// The text of the first <`name`> element of `kml`. The core's tests pin the rest of the KML.
QString kmlText(const QByteArray& kml, const QString& name) {
  return QRegularExpression("<" + name + ">([^<]*)</").match(QString::fromUtf8(kml)).captured(1);
}
bool stopsLink(const QByteArray& kml) { return kml.contains("<minRefreshPeriod>"); }

struct FlyThroughTest : ::testing::Test {
  // "Starts" Google Earth on the launch file: unless told to stay silent, it fetches the
  // file's link over and over, one fetch at a time, as Google Earth does.
  bool start(const QString& launchKmlPath) {
    ++starts;
    QFile file(launchFile = launchKmlPath);
    if (!startSucceeds || !file.open(QIODevice::ReadOnly)) return false;
    link = QUrl(kmlText(file.readAll(), "href"));
    documents.clear(), flown.clear(), failures = 0, ++flight;
    if (answers) fetch(flight);
    return true;
  }
  void fetch(int ofFlight) {
    if (ofFlight != flight) return;  // the link of an earlier flight
    QNetworkReply* reply = network.get(QNetworkRequest(link));
    QObject::connect(reply, &QNetworkReply::finished, &network, [this, reply, ofFlight] {
      reply->deleteLater();
      if (ofFlight != flight) return;
      failures += reply->error() == QNetworkReply::NoError ? 0 : 1;
      const QByteArray kml = reply->readAll();
      if (!kml.isEmpty()) documents.push_back(kml);
      const double latitude = kmlText(kml, "latitude").toDouble();
      if (kml.contains("<latitude>") && (flown.empty() || flown.back() != latitude)) {
        flown.push_back(latitude);
        if (onView) onView(latitude);
      }
      QTimer::singleShot(0, &network, [this, ofFlight] { fetch(ofFlight); });
    });
  }
  void SetUp() override {
    network.setProxy(QNetworkProxy::NoProxy);
    // Point i of each trip is at latitude0 + i.
    for (const auto& [name, latitude0, count] : {std::tuple{"Ride", 45.0, 4}, {"Walk", -30.0, 6}}) {
      Percorso& trip = store.startTrip();
      trip.Nome = name;
      trip.Punti.clear();
      for (int i = 0; i < count; ++i) trip.Punti.push_back({latitude0 + i, 7.0 + i});
    }
  }
  Window open(int trip) {
    auto window = std::make_unique<frmStatPercorso>(store, prompts);
    auto launcher = std::make_unique<test_support::FakeLauncher>();
    launcher->installed = installed;
    launcher->onStart = [this](const QString& file) { return start(file); };
    window->flyThrough().setLauncher(std::move(launcher));
    window->flyThrough().setClock([this] { return clock(); });
    window->show();
    window->showTrip(trip);
    return window;
  }
  // Moves on past the pause each time Google Earth has a new view: each point waits for it.
  double clock() {
    if (fast || flown.size() != seenViews) now += fast ? kFastSeconds : kPauseOver;
    seenViews = flown.size();
    return now;
  }
  static void press(QWidget& window) { window.findChild<QPushButton*>("cmdGoogle")->click(); }
  static void refreshWithoutATrip(frmStatPercorso& window) {
    window.findChild<QComboBox*>("cmbPercorso")->setCurrentIndex(-1);
    window.findChild<QPushButton*>("cmdAggiorna")->click();
  }
  // Presses "Google Earth" and runs the application until the flight (or the window) is gone.
  bool fly(Window& window, bool pressFirst = true) {
    if (pressFirst) press(*window);
    return QTest::qWaitFor([&] { return !window || !window->flyThrough().isFlying(); }, kEndWaitMs);
  }
  // Calls `action` when Google Earth first gets the view of the point at `latitude`.
  void when(double latitude, std::function<void()> action) {
    onView = [latitude, action](double got) { got == latitude ? action() : void(); };
  }
  // Google Earth's next fetch after the flight got the one answer that stops the link, and
  // the link was gone for the fetch after it.
  bool linkStopsThenCloses() const {
    return QTest::qWaitFor([&] { return failures > 0; }, kEndWaitMs) &&
           std::count_if(documents.begin(), documents.end(), stopsLink) == 1 &&
           stopsLink(documents.back());
  }
  std::vector<QString> messages() const {
    std::vector<QString> texts;
    for (const auto& m : prompts.messages) texts.push_back(m.kind + ": " + m.text);
    return texts;
  }

  bool installed = true, startSucceeds = true, answers = true;  // answers: fetches its link
  int starts = 0, flight = 0;         // flight: the one whose link Google Earth fetches
  QString launchFile;                 // the last one Google Earth was started on
  QUrl link;                          // its link
  std::vector<QByteArray> documents;  // every document fetched, in order
  std::vector<double> flown;          // the latitudes of their views, each new one once
  int failures = 0;                   // fetches that got no document
  std::function<void(double latitude)> onView;
  Percorsi store;
  test_support::FakePrompts prompts;
  double now = 5000.0;
  std::size_t seenViews = 0;
  bool fast = false;
  QNetworkAccessManager network;  // last: it goes first, with the fetches that use the rest
};

TEST_F(FlyThroughTest, FliesEveryPointOfTheRefreshedTripThenStopsTheLink) {
  Window window = open(0);
  when(46.0, [&] { EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr); });  // ready
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(flown, (std::vector{45.0, 46.0, 47.0, 48.0}));
  EXPECT_TRUE(linkStopsThenCloses());
  EXPECT_FALSE(QFile::exists(launchFile));
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
    installed = c.installed, startSucceeds = c.startSucceeds, starts = 0;
    Window window = open(0);
    if (!c.validTrip) refreshWithoutATrip(*window);
    prompts.messages.clear();
    press(*window);
    EXPECT_EQ(starts, c.starts) << c.message.toStdString();
    ASSERT_EQ(messages().size(), 1u) << c.message.toStdString();
    EXPECT_TRUE(messages()[0].startsWith(c.message)) << messages()[0].toStdString();
  }
  QTcpServer occupant;  // a port that cannot be opened can only be asked of the link itself
  ASSERT_TRUE(occupant.listen(QHostAddress::LocalHost));
  test_support::FakeLauncher launcher;
  EXPECT_TRUE(ApplicationGE::create(launcher, occupant.serverPort())
                  .failure.startsWith("Google Earth Pro cannot be given the trip: no local port"));
}

// Waiting shows a non-modal indication; it ends after 120 seconds, told, or on Cancel, silently.
TEST_F(FlyThroughTest, WaitsForGoogleEarthUntil120SecondsOrCancel) {
  answers = false;
  const QString noAnswer =
      "critical: Google Earth Pro did not answer within 120 seconds: the trip was not flown.";
  for (const bool cancel : {true, false}) {
    fast = !cancel;
    Window window = open(0);
    press(*window);
    auto* dialog = window->findChild<EarthWaitDialog*>("earthWaitDialog");
    ASSERT_TRUE(dialog && dialog->isVisible() && !dialog->isModal());
    if (cancel) dialog->findChild<QPushButton*>("cancelButton")->click();
    ASSERT_TRUE(fly(window, false));
    EXPECT_EQ(window->findChild<EarthWaitDialog*>(), nullptr);
    EXPECT_EQ(messages(), cancel ? std::vector<QString>{} : std::vector{noAnswer});
    fetch(flight);  // Google Earth comes at last: it is told to stop
    EXPECT_TRUE(linkStopsThenCloses());
  }
}

TEST_F(FlyThroughTest, StopsWhenPressedAgainClosedDeletedOrQuit) {
  struct : QObject {  // keeps Quit from quitting the test program once the flight has seen it
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Quit; }
  } catcher;
  qApp->installEventFilter(&catcher);  // the flight's own filter comes later and sees it first
  Window window;
  QEvent quit(QEvent::Quit);
  const std::function<void()> actions[] = {[&] { press(*window); }, [&] { window->close(); },
                                           [&] { window.reset(); },
                                           [&] { QCoreApplication::sendEvent(qApp, &quit); }};
  for (const auto& action : actions) {
    window = open(0);
    when(47.0, action);  // as soon as Google Earth has the view of point 2
    starts = 0;
    ASSERT_TRUE(fly(window));
    EXPECT_EQ(starts, 1);  // a second press starts nothing
    EXPECT_EQ(flown, (std::vector{45.0, 46.0, 47.0}));
    EXPECT_TRUE(linkStopsThenCloses());
  }
  qApp->removeEventFilter(&catcher);
  EXPECT_EQ(messages(), std::vector<QString>{});
}

TEST_F(FlyThroughTest, RefreshDuringAFlightFliesOnWithTheNewTripOrEndsIt) {
  Window window = open(0);
  when(46.0, [&] { window->showTrip(1); });
  ASSERT_TRUE(fly(window));
  // The count of points is the first trip's; from point 2 on they come from the new one.
  EXPECT_EQ(flown, (std::vector{45.0, 46.0, -28.0, -27.0}));
  const QUrl firstLink = link;
  when(-29.0, [&] { refreshWithoutATrip(*window); });
  ASSERT_TRUE(fly(window));
  EXPECT_EQ(flown, (std::vector{-30.0, -29.0}));
  EXPECT_NE(link, firstLink);  // each flight's link has a secret path of its own
  EXPECT_EQ(messages(), std::vector<QString>{"information: Select a valid trip!"});
}

}  // namespace
}  // namespace vianora::gui
