#include "gui/app/mdi_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QTimer>
#include <filesystem>

#include "fake_prompts.h"
#include "gui/app/frm_info.h"
#include "gui/tripwindow/frm_stat_percorso.h"
#include "test_files.h"

namespace vianora::gui {
namespace {

const QString kData = QStringLiteral(VIANORA_SAMPLES_REPO "/../tests/cli/data/");
const QString kWikipedia =
    QStringLiteral(VIANORA_SAMPLES_REPO "/gpx/georust-wikipedia_example.gpx");

class MainWindowTest : public ::testing::Test {
 protected:
  Percorsi store;
  test_support::FakePrompts prompts;
  MDIMain window{store, prompts};

  QAction* action(const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
  }
  void open(const QString& path, int filter) {
    prompts.answers.push_back(UserPrompts::FileChoice{path, filter});
    action("mnuFileApri")->trigger();
  }
};

TEST_F(MainWindowTest, HasTheMenusWithTheirCaptionsAndShortcut) {
  EXPECT_EQ(window.windowTitle(), "Vianora");
  QStringList menus;
  for (QAction* a : window.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"File", "Analyzer", "?"}));
  EXPECT_FALSE(action("mnuTest")->isEnabled());
  EXPECT_EQ(action("mnuFileApri")->text(), "Open");
  EXPECT_EQ(action("mnuFileApri")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(action("mnuFileEsci")->text(), "Exit");
  EXPECT_EQ(action("mnuAnalisiPercorso")->text(), "Analyze trip");
}

TEST_F(MainWindowTest, OpensWithTheReaderOfTheSelectedFilter) {
  open(kWikipedia, 1);
  ASSERT_EQ(store.size(), 1u);
  EXPECT_EQ(store[0].Nome, "Example GPX Document");
  open(kData + "track.PLT", 2);
  ASSERT_EQ(store.size(), 2u);
  EXPECT_EQ(store[1].Nome, "track.PLT");
  open(kData + "track.PLT", 3);  // "Tutti i file": the content tells
  ASSERT_EQ(store.size(), 3u);
  EXPECT_EQ(store[2].Nome, "track.PLT");
  EXPECT_TRUE(prompts.messages.empty());
  ASSERT_EQ(prompts.dialogs.size(), 3u);
  EXPECT_EQ(prompts.dialogs[0].filters,
            QStringList({"File gpx (*.gpx)", "Ozi Explorer (*.plt)", "Tutti i file (*.*)"}));
  EXPECT_EQ(prompts.dialogs[0].filterPosition, 1);
  // The dialog comes back where the last one ended, with the filter left selected.
  EXPECT_EQ(prompts.dialogs[2].filterPosition, 2);
  EXPECT_TRUE(prompts.dialogs[2].folder.endsWith(QStringLiteral("tests/cli/data")));
  EXPECT_TRUE(action("mnuFileApri")->isEnabled());
}

TEST(MainWindow, ReadsByContentWhereTheFilterCannotTellAndNamesTheFileInEveryMessage) {
  const std::string gpx =
      "<?xml version=\"1.0\"?><gpx><trk><name>By content</name>"
      "<trkpt lat=\"45\" lon=\"7\"/></trk></gpx>";
  const auto path = [](const char* name, const std::string& bytes) {
    return QString::fromStdString(vianora::test_support::writeTempFile(name, bytes).string());
  };
  const struct {
    QString path;
    int filter;
    const char* trip;     // the name of trip 0 after the read
    const char* message;  // the one message, if any
  } cases[] = {
      {path("a.txt", gpx), 3, "By content", nullptr},  // "Tutti i file"
      {path("b.plt", gpx), 2, "By content", nullptr},  // the PLT filter, GPX content
      {path("c", gpx), 0, "By content", nullptr},      // no filter reported
      {path("junk.bin",
            "\x7F"
            "ELF\x02\x01"),
       3, "", "junk.bin: not a GPX or OziExplorer PLT file."},
      {path("empty.gpx", ""), 1, "", "empty.gpx: no track or route was found."},
      {kData + "missing.gpx", 1, "", "(Linea 0) 53\nFile not found: missing.gpx"},
      {QStringLiteral("/dev/null"), 1, "",
       "(Linea 0) 75\nPath/File access error: not a regular file: null"},
  };
  for (const auto& c : cases) {
    Percorsi store;
    test_support::FakePrompts prompts;
    MDIMain window(store, prompts);
    prompts.answers.push_back(UserPrompts::FileChoice{c.path, c.filter});
    window.findChild<QAction*>(QStringLiteral("mnuFileApri"))->trigger();
    EXPECT_EQ(store[0].Nome, c.trip) << c.path.toStdString();
    ASSERT_EQ(prompts.messages.size(), c.message ? 1u : 0u) << c.path.toStdString();
    if (c.message) {
      EXPECT_EQ(prompts.messages[0].text, c.message);
    }
  }
}

TEST_F(MainWindowTest, CancellingTheDialogChangesNothing) {
  action("mnuFileApri")->trigger();
  EXPECT_TRUE(store.isEmpty());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(MainWindowTest, ShowsTheOpenCommandsMessageForAFailingPltFile) {
  open(kData + "bad-day.plt", 2);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, "critical");
  EXPECT_EQ(prompts.messages[0].title, "Errore vianora");
  EXPECT_EQ(prompts.messages[0].text, "(Linea 8) 6\nOverflow: bad-day.plt");
  EXPECT_EQ(store[0].Nome, "bad-day.plt");  // the points before the failure stay
  EXPECT_EQ(store[0].Punti.size(), 2u);
}

TEST_F(MainWindowTest, ShowsFiveGpxFailuresAndCountsTheRestInOneMessage) {
  std::string bytes = "<gpx><trk><name>Bad</name><trkseg>";
  for (int i = 0; i < 1000; ++i) bytes += "<trkpt lat=\"1\" lon=\"2\"><time>never</time></trkpt>";
  bytes += "</trkseg></trk></gpx>";
  const auto path = vianora::test_support::writeTempFile("bad-times.gpx", bytes);
  auto* bar = window.findChild<QProgressBar*>(QStringLiteral("readProgress"));
  int shownOverTheBar = 0;
  prompts.whenShowing = [&] { shownOverTheBar += bar->isHidden() ? 0 : 1; };
  open(QString::fromStdString(path.string()), 1);
  EXPECT_EQ(shownOverTheBar, 0);
  ASSERT_EQ(prompts.messages.size(), 6u);
  EXPECT_EQ(prompts.messages[0].title, "vianora");
  EXPECT_EQ(prompts.messages[0].text,
            "Error number: 13\nType mismatch\nSource: vianora\nError line: 0");
  EXPECT_TRUE(prompts.messages[5].text.startsWith(
      QStringLiteral("995 more reading errors in bad-times.gpx were not shown.")));
  EXPECT_EQ(store[0].Punti.size(), 1000u);
}

TEST_F(MainWindowTest, OpensOneMoreTripWindowEachTime) {
  action("mnuAnalisiPercorso")->trigger();
  action("mnuAnalisiPercorso")->trigger();
  EXPECT_EQ(window.workspace()->subWindowList().size(), 2);
}

TEST_F(MainWindowTest, BringsTheOneAboutWindowForward) {
  action("mnuAbout")->trigger();
  action("mnuAbout")->trigger();
  EXPECT_EQ(window.findChildren<frmInfo*>().size(), 1);
}

TEST_F(MainWindowTest, FilesGivenAtStartOpenATripWindowOnTheirFirstTripWithPoints) {
  const QString bare =
      QString::fromStdString(vianora::test_support::writeTempFile(
                                 "bare.gpx", "<gpx><trk><name>No points</name></trk></gpx>")
                                 .string());
  open(kWikipedia, 1);
  window.openFiles({kData + "notes.txt", bare, kData + "track.PLT"});
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text, "notes.txt: not a GPX or OziExplorer PLT file.");
  EXPECT_EQ(prompts.messages[1].text, "bare.gpx: no track or route was found.");
  ASSERT_EQ(store.size(), 3u);  // the track without points is trip 1
  ASSERT_EQ(window.workspace()->subWindowList().size(), 1);
  auto* trip = qobject_cast<frmStatPercorso*>(window.workspace()->subWindowList()[0]->widget());
  ASSERT_NE(trip, nullptr);
  EXPECT_EQ(trip->PercorsoSel(), 2);
  EXPECT_EQ(trip->windowTitle(), "track.PLT");
  EXPECT_EQ(trip->findChild<QLineEdit*>(QStringLiteral("txtDistanza"))->text(), "0.379");
  window.openFiles({bare});  // nothing to show: no window
  EXPECT_EQ(window.workspace()->subWindowList().size(), 1);
}

// The file's figures are worked out by hand in the core's sample tests; here, that an opened
// file reaches the trip window.
TEST_F(MainWindowTest, ShowsAnOpenedFileInATripWindow) {
  open(kWikipedia, 1);
  frmStatPercorso* trip = window.mnuAnalisiPercorso_Click();
  trip->showTrip(0);
  EXPECT_EQ(trip->windowTitle(), "Example GPX Document");
  EXPECT_EQ(trip->findChild<QLineEdit*>(QStringLiteral("txtDurata"))->text(), "00:00:08");
}

TEST_F(MainWindowTest, ReadsEverySampleFileWithEitherReaderWithoutCrashing) {
  for (const char* dir : {VIANORA_SAMPLES_REPO, VIANORA_SAMPLES_SHARED}) {
    for (const char* kind : {"gpx", "plt"}) {
      const std::filesystem::path folder = std::filesystem::path(dir) / kind;
      if (!std::filesystem::is_directory(folder)) continue;
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const QString path = QString::fromStdString(entry.path().string());
        open(path, 1);
        open(path, 2);
      }
    }
  }
  frmStatPercorso* trip = window.mnuAnalisiPercorso_Click();
  for (int i = 0; i < static_cast<int>(store.size()); ++i) trip->showTrip(i);
  EXPECT_GT(store.size(), 100u);
}

TEST(MainWindow, ExitOrClosingDuringAReadStopsItAndShowsNothingMore) {
  // Every time is bad: a read to the end would bring up messages.
  std::string bytes = "<gpx><trk><name>Big</name><trkseg>";
  constexpr int kPoints = 200000;
  for (int i = 0; i < kPoints; ++i)
    bytes += "<trkpt lat=\"45.1\" lon=\"7.2\"><time>never</time></trkpt>\n";
  bytes += "</trkseg></trk></gpx>";
  const auto path =
      QString::fromStdString(vianora::test_support::writeTempFile("big.gpx", bytes).string());
  for (bool byExit : {true, false}) {
    Percorsi store;
    test_support::FakePrompts prompts;
    MDIMain window(store, prompts);
    window.show();
    // Runs at the read's first pass of the window's events.
    QTimer::singleShot(0, &window, [&] {
      if (byExit) {
        window.findChild<QAction*>(QStringLiteral("mnuFileEsci"))->trigger();
      } else {
        window.close();
      }
    });
    window.openFiles({path, kWikipedia});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_LT(store[0].Punti.size(), static_cast<std::size_t>(kPoints));
    EXPECT_EQ(store.size(), 1u);  // the second file was not read
    EXPECT_EQ(window.workspace()->subWindowList().size(), 0);
  }
}

TEST_F(MainWindowTest, OpensDroppedFiles) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(kWikipedia)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  for (int i = 0; i < 5 && store.isEmpty(); ++i)
    QApplication::processEvents();  // read once the drop has ended
  EXPECT_EQ(store[0].Nome, "Example GPX Document");
  EXPECT_EQ(window.workspace()->subWindowList().size(), 1);
}

}  // namespace
}  // namespace vianora::gui
