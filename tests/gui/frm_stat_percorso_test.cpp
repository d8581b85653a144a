#include "gui/tripwindow/frm_stat_percorso.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "fake_google_earth.h"
#include "fake_prompts.h"
#include "gui/earth/fly_through.h"
#include "gui/tripwindow/chart_surface.h"

namespace vianora::gui {
namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kHour = 1.0 / 24;
constexpr double kDay0 = 39756.5;  // 2008-11-04 12:00

const QStringList kBoxNames = {"txtEleMax",     "txtDistEleMax",  "txtEleMin",     "txtDistEleMin",
                               "txtDislivello", "txtDistSalita",  "txtTimeSalita", "txtDistanza",
                               "txtVelocita",   "txtVelocitaMax", "txtDistMaxVel", "txtInizio",
                               "txtFine",       "txtDurata"};

void addTrip(Percorsi& store, const std::string& name, std::vector<Punto> points) {
  Percorso& trip = store.startTrip();
  trip.Nome = name;
  trip.Punti = std::move(points);
}

// Altitudes 100, 150, 120 a minute apart, 0.005 degree of latitude each step: the first
// segment is sqrt(0.2 + 0.05^2) = 0.45 km, the second sqrt(0.2 + 0.03^2) = 0.448219 km.
std::vector<Punto> hillPoints() {
  return {{45.000, 7, 100, kDay0},
          {45.005, 7, 150, kDay0 + kMinute},
          {45.010, 7, 120, kDay0 + 2 * kMinute}};
}

// A short flat step, then 12 degrees north (1,073.313 km) climbing 500 m in ten hours.
std::vector<Punto> longPoints() {
  return {{40.000, 7, 1000, kDay0},
          {40.001, 7, 1000, kDay0 + kMinute},
          {52.001, 7, 1500, kDay0 + kMinute + 10 * kHour}};
}

class TripWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedLocale_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    addTrip(store, "Hill", hillPoints());
    addTrip(store, "Long way", longPoints());
  }
  void TearDown() override { QLocale::setDefault(savedLocale_); }

  std::unique_ptr<frmStatPercorso> openWindow() {
    auto window = std::make_unique<frmStatPercorso>(store, prompts);
    window->show();
    return window;
  }

  template <typename T>
  static T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  static QComboBox* list(QWidget& window) { return control<QComboBox>(window, "cmbPercorso"); }
  static QString box(QWidget& window, const char* name) {
    return control<QLineEdit>(window, name)->text();
  }
  static void choose(QWidget& window, int index) { list(window)->setCurrentIndex(index); }
  static void click(QWidget& window, const char* name) {
    QAbstractButton* button = control<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static int pixelsX(const QWidget& w, int twips) {
    return qRound(twips * w.logicalDpiX() / 1440.0);
  }
  static int pixelsY(const QWidget& w, int twips) {
    return qRound(twips * w.logicalDpiY() / 1440.0);
  }

  Percorsi store;
  test_support::FakePrompts prompts;

 private:
  QLocale savedLocale_;
};

TEST_F(TripWindowTest, OpensWithTheDesignControls) {
  auto window = openWindow();
  EXPECT_EQ(window->windowTitle(), "Statistics covered");
  EXPECT_EQ(window->PercorsoSel(), 0);

  QComboBox* trips = list(*window);
  EXPECT_TRUE(trips->isEditable());
  EXPECT_EQ(trips->currentIndex(), -1);
  EXPECT_EQ(trips->currentText(), "Select a trip");

  auto* update = control<QToolButton>(*window, "cmdRefreshPerc");
  EXPECT_EQ(update->toolTip(), "Update");
  EXPECT_EQ(control<QPushButton>(*window, "cmdAggiorna")->text(), "Refresh");
  EXPECT_EQ(control<QPushButton>(*window, "cmdSaveAs")->text(), "Save as");
  EXPECT_EQ(control<QPushButton>(*window, "cmdGoogle")->text(), "Google Earth");

  for (const QString& name : kBoxNames) {
    auto* field = window->findChild<QLineEdit*>(name);
    ASSERT_NE(field, nullptr) << name.toStdString();
    EXPECT_TRUE(field->text().isEmpty()) << name.toStdString();
    EXPECT_FALSE(field->isReadOnly()) << name.toStdString();
  }

  QStringList captions;
  for (QLabel* label : window->findChildren<QLabel*>()) captions << label->text();
  for (const char* caption :
       {"Trip", "Altitude Max:", "m.", "Km", "Min:", "Climbs:", "in", "Distance:", "Km.",
        "Speed:", "Km/h", "Max:", "al Km", "Start:", "End:", "Duration:"}) {
    EXPECT_TRUE(captions.contains(QString::fromLatin1(caption))) << caption;
  }
  EXPECT_EQ(captions.count("m."), 3);
  EXPECT_EQ(captions.count("Km"), 3);
  EXPECT_EQ(captions.count("in"), 2);
  EXPECT_EQ(captions.count("Km/h"), 2);

  auto* tabs = control<QTabBar>(*window, "tbsPercorso");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), "Map");
  EXPECT_EQ(tabs->tabText(1), "Profile");
  EXPECT_EQ(tabs->tabText(2), "Distance");
  EXPECT_EQ(tabs->currentIndex(), 0);

  auto* colouring = control<QGroupBox>(*window, "frmColorazione");
  EXPECT_EQ(colouring->title(), "Coloration");
  auto* byAltitude = control<QRadioButton>(*window, "optAltezza");
  auto* bySpeed = control<QRadioButton>(*window, "optVelocita");
  EXPECT_EQ(byAltitude->text(), "Altitude");
  EXPECT_TRUE(byAltitude->isChecked());
  EXPECT_EQ(bySpeed->text(), "Speed");
  EXPECT_FALSE(bySpeed->isChecked());
  EXPECT_EQ(byAltitude->parentWidget(), colouring);

  auto* profile = control<ChartSurface>(*window, "pctPercorso2");
  auto* altitude = control<QCheckBox>(*window, "chkElevazione");
  auto* speed = control<QCheckBox>(*window, "chkVelocita");
  EXPECT_EQ(altitude->text(), "Altitude");
  EXPECT_EQ(speed->text(), "Speed");
  EXPECT_TRUE(altitude->isChecked());
  EXPECT_TRUE(speed->isChecked());
  EXPECT_EQ(altitude->parentWidget(), profile);
  EXPECT_EQ(speed->parentWidget(), profile);
}

TEST_F(TripWindowTest, PlacesTheStatisticsAtTheirDesignPositions) {
  auto window = openWindow();
  const QWidget& w = *window;
  const auto design = [&](int left, int top, int width, int height) {
    return QRect(pixelsX(w, left), pixelsY(w, top), pixelsX(w, width), pixelsY(w, height));
  };
  EXPECT_EQ(window->size(), QSize(pixelsX(w, 14895), pixelsY(w, 11445)));
  EXPECT_EQ(list(*window)->geometry(), design(600, 90, 4995, 315));
  EXPECT_EQ(control<QWidget>(*window, "cmdGoogle")->geometry(), design(13380, 90, 1485, 345));
  EXPECT_EQ(control<QWidget>(*window, "txtEleMax")->geometry(), design(1200, 480, 765, 315));
  EXPECT_EQ(control<QWidget>(*window, "txtDistMaxVel")->geometry(), design(8130, 840, 795, 285));
  EXPECT_EQ(control<QWidget>(*window, "txtDurata")->geometry(), design(5430, 1200, 915, 285));
  EXPECT_EQ(control<QWidget>(*window, "frmColorazione")->geometry(), design(11340, 660, 2415, 795));

  // The profile's check boxes stand at its top right corner, "Speed" above "Altitude".
  auto* profile = control<QWidget>(*window, "pctPercorso2");
  auto* speed = control<QWidget>(*window, "chkVelocita");
  auto* altitude = control<QWidget>(*window, "chkElevazione");
  EXPECT_EQ(speed->y(), pixelsY(w, 30));
  EXPECT_EQ(speed->x() + speed->width(), profile->width() - pixelsX(w, 10));
  EXPECT_EQ(altitude->x(), speed->x());
  EXPECT_EQ(altitude->y(), speed->y() + speed->height() + pixelsY(w, 10));
}

TEST_F(TripWindowTest, CaptionsAndFiguresStayReadable) {
  auto window = openWindow();
  window->showTrip(1);
  const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
  for (QLabel* label : window->findChildren<QLabel*>()) {
    for (QLineEdit* field : boxes) {
      if (field->parentWidget() != window.get()) continue;  // the trip list's own editor
      EXPECT_FALSE(label->geometry().intersects(field->geometry()))
          << label->text().toStdString() << " runs into " << field->objectName().toStdString();
    }
  }
  for (const QString& name : kBoxNames) {
    auto* field = window->findChild<QLineEdit*>(name);
    EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()), field->width())
        << name.toStdString();
    EXPECT_EQ(field->cursorPosition(), 0) << name.toStdString();
  }
}

// The figures themselves are worked out in the core's tests; here, that each box shows its own.
TEST_F(TripWindowTest, RefreshShowsTheStatisticsOfTheChosenTrip) {
  auto window = openWindow();
  choose(*window, 0);
  click(*window, "cmdAggiorna");

  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(window->PercorsoSel(), 0);
  EXPECT_EQ(window->windowTitle(), "Hill");
  EXPECT_EQ(box(*window, "txtEleMax"), "150.0");
  EXPECT_EQ(box(*window, "txtDistEleMax"), "0.450");
  EXPECT_EQ(box(*window, "txtEleMin"), "100.0");
  EXPECT_EQ(box(*window, "txtDistEleMin"), "0.000");
  EXPECT_EQ(box(*window, "txtDislivello"), "50.0");
  EXPECT_EQ(box(*window, "txtDistSalita"), "0.450");
  EXPECT_EQ(box(*window, "txtTimeSalita"), "00:01:00");
  EXPECT_EQ(box(*window, "txtDistanza"), "0.898");
  EXPECT_EQ(box(*window, "txtVelocita"), "26.947");  // 0.898219 km in two minutes
  EXPECT_EQ(box(*window, "txtVelocitaMax"), "27.000");
  EXPECT_EQ(box(*window, "txtDistMaxVel"), "0.450");
  EXPECT_EQ(box(*window, "txtInizio"), "11/4/2008 12:00:00 PM");
  EXPECT_EQ(box(*window, "txtFine"), "11/4/2008 12:02:00 PM");
  EXPECT_EQ(box(*window, "txtDurata"), "00:02:00");
}

TEST_F(TripWindowTest, RefreshWritesFiguresWithTheLocaleSeparators) {
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  auto window = openWindow();
  choose(*window, 1);
  click(*window, "cmdAggiorna");

  EXPECT_EQ(window->windowTitle(), "Long way");
  EXPECT_EQ(box(*window, "txtEleMax"), "1.500,0");
  EXPECT_EQ(box(*window, "txtDistanza"), "1.073,402");
  EXPECT_EQ(box(*window, "txtVelocita"), "107,162");  // in 10 hours and a minute
  EXPECT_EQ(box(*window, "txtInizio"), "04/11/2008 12:00:00");
  EXPECT_EQ(box(*window, "txtFine"), "04/11/2008 22:01:00");
  EXPECT_EQ(box(*window, "txtDurata"), "10:01:00");
}

TEST_F(TripWindowTest, ATripWithoutCountingPairsOrTimesShowsWhatCannotBeComputed) {
  Percorsi fresh;  // one unnamed trip with one zeroed point, as at start-up
  auto window = std::make_unique<frmStatPercorso>(fresh, prompts);
  ASSERT_EQ(list(*window)->count(), 1);
  EXPECT_EQ(list(*window)->itemText(0), "(trip 0)");
  choose(*window, 0);
  click(*window, "cmdAggiorna");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(window->PercorsoSel(), 0);
  EXPECT_EQ(window->windowTitle(), "(trip 0)");
  EXPECT_EQ(box(*window, "txtDistanza"), "0.000");
  EXPECT_EQ(box(*window, "txtVelocitaMax"), ".000");
  for (const char* name : {"txtEleMax", "txtDistEleMax", "txtEleMin", "txtDistEleMin",
                           "txtTimeSalita", "txtInizio", "txtFine", "txtDurata", "txtVelocita"}) {
    EXPECT_EQ(box(*window, name), "N.C.") << name;
  }
}

TEST_F(TripWindowTest, RefreshWithoutAChoiceAsksForAValidTrip) {
  auto window = openWindow();
  click(*window, "cmdAggiorna");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "information");
  EXPECT_EQ(prompts.messages[0].title, "vianora");
  EXPECT_EQ(prompts.messages[0].text, "Select a valid trip!");
  EXPECT_EQ(window->PercorsoSel(), -1);
  EXPECT_EQ(window->windowTitle(), "Statistics covered");
  EXPECT_TRUE(box(*window, "txtDistanza").isEmpty());

  // Google Earth has no trip to fly either.
  click(*window, "cmdGoogle");
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].kind, "information");
  EXPECT_EQ(prompts.messages[1].title, "vianora");
  EXPECT_EQ(prompts.messages[1].text, "Select a valid trip!");
  EXPECT_EQ(window->PercorsoSel(), -1);
}

TEST_F(TripWindowTest, TypedTextIsNoChoiceAndLeavesTheLastFiguresShown) {
  auto window = openWindow();
  choose(*window, 0);
  click(*window, "cmdAggiorna");
  ASSERT_EQ(box(*window, "txtDistanza"), "0.898");

  choose(*window, 1);
  list(*window)->setEditText("Long");
  click(*window, "cmdAggiorna");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Select a valid trip!");
  EXPECT_EQ(window->PercorsoSel(), -1);
  EXPECT_EQ(window->windowTitle(), "Hill");
  EXPECT_EQ(box(*window, "txtDistanza"), "0.898");
  EXPECT_EQ(list(*window)->count(), 2);  // typed text never becomes an entry
}

TEST_F(TripWindowTest, GoogleEarthAfterAValidRefreshDoesNotAskForATrip) {
  auto window = openWindow();
  auto absent = std::make_unique<test_support::FakeLauncher>();
  absent->installed = false;  // the flight itself is tested in earth_fly_through_test
  window->flyThrough().setLauncher(std::move(absent));
  click(*window, "cmdGoogle");  // a new window still holds trip 0
  choose(*window, 1);
  click(*window, "cmdAggiorna");
  click(*window, "cmdGoogle");
  ASSERT_EQ(prompts.messages.size(), 2u);
  for (const auto& message : prompts.messages) EXPECT_NE(message.text, "Select a valid trip!");
}

TEST_F(TripWindowTest, ChoosingWithoutRefreshChangesNothing) {
  auto window = openWindow();
  choose(*window, 0);
  click(*window, "cmdAggiorna");
  choose(*window, 1);
  EXPECT_EQ(window->PercorsoSel(), 0);
  EXPECT_EQ(window->windowTitle(), "Hill");
}

TEST_F(TripWindowTest, WindowsOverOneStoreKeepTheirOwnChoice) {
  auto first = openWindow();
  auto second = openWindow();
  choose(*first, 0);
  click(*first, "cmdAggiorna");
  choose(*second, 1);
  click(*second, "cmdAggiorna");

  EXPECT_EQ(first->PercorsoSel(), 0);
  EXPECT_EQ(second->PercorsoSel(), 1);
  EXPECT_EQ(first->windowTitle(), "Hill");
  EXPECT_EQ(second->windowTitle(), "Long way");
  EXPECT_EQ(box(*first, "txtDistanza"), "0.898");
  EXPECT_EQ(box(*second, "txtDistanza"), "1,073.402");

  click(*second, "cmdAggiorna");  // still trip 1; the first window is untouched
  list(*first)->setEditText("nothing");
  click(*first, "cmdAggiorna");
  EXPECT_EQ(first->PercorsoSel(), -1);
  EXPECT_EQ(second->PercorsoSel(), 1);
}

TEST_F(TripWindowTest, UpdateListsTripsReadAfterTheWindowOpened) {
  auto window = openWindow();
  QComboBox* trips = list(*window);
  choose(*window, 1);
  addTrip(store, "Third", hillPoints());
  EXPECT_EQ(trips->count(), 2);  // the list does not follow the store by itself

  click(*window, "cmdRefreshPerc");
  ASSERT_EQ(trips->count(), 3);
  EXPECT_EQ(trips->itemText(0), "Hill");
  EXPECT_EQ(trips->itemText(1), "Long way");
  EXPECT_EQ(trips->itemText(2), "Third");
  EXPECT_EQ(trips->currentIndex(), -1);
  EXPECT_EQ(trips->currentText(), "Select a trip");

  choose(*window, 2);
  click(*window, "cmdAggiorna");
  EXPECT_EQ(window->PercorsoSel(), 2);
  EXPECT_EQ(window->windowTitle(), "Third");
}

TEST_F(TripWindowTest, ShowTripChoosesAndRefreshes) {
  auto window = openWindow();
  window->showTrip(1);
  EXPECT_EQ(window->PercorsoSel(), 1);
  EXPECT_EQ(window->windowTitle(), "Long way");
  EXPECT_EQ(box(*window, "txtDurata"), "10:01:00");
}

TEST_F(TripWindowTest, EachTabShowsItsOwnSurface) {
  auto window = openWindow();
  auto* tabs = control<QTabBar>(*window, "tbsPercorso");
  auto* map = control<ChartSurface>(*window, "pctPercorso1");
  auto* profile = control<ChartSurface>(*window, "pctPercorso2");
  auto* progress = control<ChartSurface>(*window, "pctPercorso3");
  auto* colouring = control<QGroupBox>(*window, "frmColorazione");

  EXPECT_TRUE(map->isVisible());
  EXPECT_FALSE(profile->isVisible());
  EXPECT_FALSE(progress->isVisible());
  EXPECT_TRUE(colouring->isVisible());

  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  ASSERT_EQ(tabs->currentIndex(), 1);
  EXPECT_FALSE(map->isVisible());
  EXPECT_TRUE(profile->isVisible());
  EXPECT_FALSE(progress->isVisible());
  EXPECT_FALSE(colouring->isVisible());
  EXPECT_TRUE(control<QCheckBox>(*window, "chkVelocita")->isVisible());

  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
  ASSERT_EQ(tabs->currentIndex(), 2);
  EXPECT_FALSE(map->isVisible());
  EXPECT_FALSE(profile->isVisible());
  EXPECT_TRUE(progress->isVisible());
  EXPECT_FALSE(colouring->isVisible());

  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
  ASSERT_EQ(tabs->currentIndex(), 0);
  EXPECT_TRUE(map->isVisible());
  EXPECT_FALSE(profile->isVisible());
  EXPECT_FALSE(progress->isVisible());
  EXPECT_TRUE(colouring->isVisible());
}

TEST_F(TripWindowTest, SurfacesAreWhite) {
  auto window = openWindow();
  auto* map = control<ChartSurface>(*window, "pctPercorso1");
  EXPECT_TRUE(map->autoFillBackground());
  EXPECT_EQ(map->palette().color(QPalette::Window), QColor(Qt::white));
  const QImage image = map->grab().toImage();
  EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::white));
}

TEST_F(TripWindowTest, SurfacesFollowTheWindowSize) {
  auto window = openWindow();
  auto* tabs = control<QTabBar>(*window, "tbsPercorso");
  const int marginX = pixelsX(*window, 50);
  const int marginY = pixelsY(*window, 50);
  const auto expectFilled = [&] {
    EXPECT_EQ(tabs->x(), pixelsX(*window, 90));
    EXPECT_EQ(tabs->y(), pixelsY(*window, 1620));
    EXPECT_EQ(tabs->x() + tabs->width(), window->width() - marginX);
    for (const char* name : {"pctPercorso1", "pctPercorso2", "pctPercorso3"}) {
      const QRect area = control<QWidget>(*window, name)->geometry();
      EXPECT_EQ(area.left(), tabs->x()) << name;
      EXPECT_EQ(area.top(), tabs->y() + tabs->height()) << name;
      EXPECT_EQ(area.x() + area.width(), window->width() - marginX) << name;
      EXPECT_EQ(area.y() + area.height(), window->height() - marginY) << name;
    }
    auto* profile = control<QWidget>(*window, "pctPercorso2");
    auto* speed = control<QWidget>(*window, "chkVelocita");
    EXPECT_EQ(speed->x() + speed->width(), profile->width() - pixelsX(*window, 10));
  };
  expectFilled();

  window->resize(1300, 950);
  ASSERT_EQ(window->size(), QSize(1300, 950));
  expectFilled();

  window->resize(700, 500);
  ASSERT_EQ(window->size(), QSize(700, 500));
  expectFilled();
}

}  // namespace
}  // namespace vianora::gui
