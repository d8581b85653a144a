#include "app/mdi_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <filesystem>

#include "app/frm_info.h"
#include "fake_prompts.h"
#include "test_files.h"
#include "tripwindow/frm_stat_percorso.h"

namespace vianora::gui {
namespace {

const QString kData = QStringLiteral(VIANORA_SAMPLES_REPO "/../tests/cli/data/");
const QString kWikipedia =
    QStringLiteral(VIANORA_SAMPLES_REPO "/gpx/georust-wikipedia_example.gpx");

class MainWindowTest : public ::testing::Test {
 protected:
  Percorsi store;
  testing::FakePrompts prompts;
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
  open(kData + "track.PLT", 3);  // "Tutti i file" reads nothing and says nothing
  EXPECT_EQ(store.size(), 2u);
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
  EXPECT_EQ(prompts.messages[0].text, "(Linea 8) 6\nOverflow");
  EXPECT_EQ(store[0].Nome, "bad-day.plt");  // the points before the failure stay
  EXPECT_EQ(store[0].Punti.size(), 2u);
}

TEST_F(MainWindowTest, ShowsFiveGpxFailuresAndCountsTheRestInOneMessage) {
  std::string bytes = "<gpx><trk><name>Bad</name><trkseg>";
  for (int i = 0; i < 1000; ++i) bytes += "<trkpt lat=\"1\" lon=\"2\"><time>never</time></trkpt>";
  bytes += "</trkseg></trk></gpx>";
  const auto path = vianora::testing::writeTempFile("bad-times.gpx", bytes);
  open(QString::fromStdString(path.string()), 1);
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

TEST_F(MainWindowTest, FilesGivenAtStartOpenATripWindowOnTheirFirstTrip) {
  open(kWikipedia, 1);
  window.openFiles({kData + "notes.txt", kData + "track.PLT"});
  ASSERT_EQ(prompts.messages.size(), 1u);  // notes.txt is not a track file
  EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("notes.txt")));
  ASSERT_EQ(window.workspace()->subWindowList().size(), 1);
  auto* trip = qobject_cast<frmStatPercorso*>(window.workspace()->subWindowList()[0]->widget());
  ASSERT_NE(trip, nullptr);
  EXPECT_EQ(trip->PercorsoSel(), 1);
  EXPECT_EQ(trip->windowTitle(), "track.PLT");
  EXPECT_EQ(trip->findChild<QLineEdit*>(QStringLiteral("txtDistanza"))->text(), "0.379");
}

TEST_F(MainWindowTest, ShowsTheFiguresWorkedOutByHandForARealFile) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  open(kWikipedia, 1);
  frmStatPercorso* trip = window.mnuAnalisiPercorso_Click();
  trip->showTrip(0);
  const auto box = [&](const char* name) {
    return trip->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
  };
  // Altitudes 4.46, 4.94 and 6.87 m at one position, at 18:37:26, :31 and :34.
  EXPECT_EQ(box("txtDislivello"), "2.4");
  EXPECT_EQ(box("txtEleMax"), "6.9");
  EXPECT_EQ(box("txtDistEleMax"), "0.002");
  EXPECT_EQ(box("txtEleMin"), "4.5");
  EXPECT_EQ(box("txtDistEleMin"), "0.000");
  EXPECT_EQ(box("txtDistanza"), "0.002");
  EXPECT_EQ(box("txtDistSalita"), "0.002");
  EXPECT_EQ(box("txtTimeSalita"), "00:00:08");
  EXPECT_EQ(box("txtInizio"), "10/17/2009 6:37:26 PM");
  EXPECT_EQ(box("txtFine"), "10/17/2009 6:37:34 PM");
  EXPECT_EQ(box("txtDurata"), "00:00:08");
  EXPECT_EQ(box("txtVelocita"), "1.085");
  EXPECT_EQ(box("txtVelocitaMax"), "2.316");
  EXPECT_EQ(box("txtDistMaxVel"), "0.002");
  QLocale::setDefault(QLocale::c());
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
