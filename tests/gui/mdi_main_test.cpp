// The main window's wiring; the figures of the files read are pinned by the core and CLI tests.
#include "gui/app/mdi_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include "fake_prompts.h"
#include "gui/app/frm_info.h"
#include "gui/tripwindow/frm_stat_percorso.h"
#include "test_files.h"

namespace vianora::gui {
namespace {

const QString kData = QStringLiteral(VIANORA_SAMPLES_REPO "/../tests/cli/data/");
const QString kWiki = QStringLiteral(VIANORA_SAMPLES_REPO "/gpx/georust-wikipedia_example.gpx");
const std::string kOne = "<gpx><trk><name>Seen</name><trkpt lat=\"45\" lon=\"7\"/></trk></gpx>";
const std::string kTcx =
    "<?xml?><TrainingCenterDatabase><Course><Name>c</Name><Trackpoint><Position>"
    "<LatitudeDegrees>45</LatitudeDegrees><LongitudeDegrees>7</LongitudeDegrees>"
    "</Position></Trackpoint></Course></TrainingCenterDatabase>";

// A temporary file of `bytes`, or else of a GPX track of `points` points with bad times.
QString temp(const char* name, std::string bytes, int points = 0) {
  for (int i = 0; i < points; ++i) bytes += "<trkpt lat=\"45\" lon=\"7\"><time>?</time></trkpt>";
  if (points > 0) bytes = "<gpx><trk><name>Bad</name><trkseg>" + bytes + "</trkseg></trk></gpx>";
  return QString::fromStdString(vianora::test_support::writeTempFile(name, bytes).string());
}

struct MainWindowTest : ::testing::Test {
  Percorsi store;
  test_support::FakePrompts prompts;
  MDIMain window{store, prompts};
  QAction* action(const char* name) { return window.findChild<QAction*>(QLatin1String(name)); }
  QStringList boxes() {  // the messages shown since the last call, as "kind title: text"
    QStringList shown;
    for (const auto& m : prompts.messages) shown << m.kind + ' ' + m.title + ": " + m.text;
    prompts.messages.clear();
    return shown;
  }
  QStringList tripWindows() const {  // "title, trip" of each trip window
    QStringList trips;
    for (auto* trip : window.workspace()->findChildren<frmStatPercorso*>())
      trips << trip->windowTitle() + ", " + QString::number(trip->PercorsoSel());
    return trips;
  }
};

TEST_F(MainWindowTest, OpenReadsByFilterOrContentAndShowsEachFailureOnce) {
  const QString v = "critical vianora: ", e = "critical Errore vianora: (Linea ",
                bad = "Error number: 13\nType mismatch\nSource: vianora\nError line: 1",
                more = "1 more reading errors in six.gpx were not shown. The last one:\n\n";
  const struct {         // filter: 1 all track files, 2 GPX, 3 PLT, 4 all files, 7 IGC
    QString path, trip;  // trip: the last trip's name after the read
    int filter;
    QStringList boxes;
  } cases[] = {
      {kData + "notes.txt",
       "",
       4,
       {v + "notes.txt: not a GPX, OziExplorer PLT, FIT, TCX or IGC file."}},
      {temp("empty.gpx", ""), "", 2, {v + "empty.gpx: no track or route was found."}},
      {kData + "bad-day.plt", "bad-day.plt", 3, {e + "8) 6\nOverflow: bad-day.plt"}},
      {temp("six.gpx", "", 6), "Bad", 2, QStringList(5, v + bad) << v + more + bad},
      {kWiki, "Example GPX Document", 1, {}},
      {kData + "track.PLT", "track.PLT", 3, {}},
      {temp("b.plt", kOne), "Seen", 3, {}},  // the content tells where the filter cannot
      {temp("c.xml", kTcx), "c", 1, {}},
      {temp("d.txt", "AXXX\nHFDTE010203\nB1200004500000N00700000EA0000000100\n"),
       "2003-02-01",
       7,
       {}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    prompts.answers.push_back(UserPrompts::FileChoice{cases[i].path, cases[i].filter});
    action("mnuFileApri")->trigger();
    EXPECT_EQ(boxes(), cases[i].boxes) << i;
    EXPECT_EQ(store.trips().back().Nome, cases[i].trip.toStdString()) << i;
    // The dialog comes back where the last one ended, with its filter.
    EXPECT_EQ(prompts.dialogs[i].filterPosition, i ? cases[i - 1].filter : 1) << i;
    EXPECT_EQ(prompts.dialogs[i].folder, i ? QFileInfo(cases[i - 1].path).absolutePath() : "");
  }
  EXPECT_EQ(prompts.dialogs[0].filters.mid(1, 3),
            QStringList({"File gpx (*.gpx)", "Ozi Explorer (*.plt)", "Tutti i file (*.*)"}));
  EXPECT_TRUE(action("mnuFileApri")->isEnabled() && tripWindows().isEmpty());
}

TEST_F(MainWindowTest, MenusFilesGivenAtStartAndDropsOpenTheirWindows) {
  window.show();
  QStringList captions{window.windowTitle()};
  for (QAction* a : window.menuBar()->actions()) captions << a->text();
  for (auto* a : {action("mnuTest"), action("mnuFileApri"), action("mnuFileGpsBabel"),
                  action("mnuFileEsci"), action("mnuAnalisiPercorso")})
    captions << a->text() + ' ' + a->shortcut().toString() + (a->isEnabled() ? "" : "off");
  EXPECT_EQ(captions, QStringList({"Vianora", "File", "Analyzer", "?", "Test off", "Open Ctrl+O",
                                   "Import with GPSBabel... ", "Exit ", "Analyze trip "}));
  for (const char* name :  // Open is cancelled: nothing is read, nothing said
       {"mnuFileApri", "mnuAnalisiPercorso", "mnuAnalisiPercorso", "mnuAbout", "mnuAbout"})
    action(name)->trigger();
  EXPECT_TRUE(store.isEmpty() && prompts.messages.empty() && prompts.dialogs.size() == 1);
  EXPECT_EQ(window.findChildren<frmInfo*>().size(), 1);  // the same About window brought forward
  EXPECT_TRUE(window.findChild<frmInfo*>()->isVisible());
  window.openFiles({kWiki});
  const QString bare = temp("bare.gpx", "<gpx><trk><name>No points</name></trk></gpx>");
  window.openFiles({kData + "notes.txt", bare, kData + "track.PLT"});  // trip 1 has no point
  window.openFiles({bare});  // trip 3: nothing to show, no window
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(kWiki)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  EXPECT_TRUE(enter.isAccepted() && store.size() == 4u);  // read once the drop has ended
  QApplication::processEvents();
  EXPECT_EQ(tripWindows(),
            QStringList({"Statistics covered, 0", "Statistics covered, 0",
                         "Example GPX Document, 0", "track.PLT, 2", "Example GPX Document, 4"}));
  QTimer::singleShot(0, &window, [&] { action("mnuFileEsci")->trigger(); });  // mid-read
  window.openFiles({temp("big.gpx", "", 200000), temp("next.gpx", kOne)});
  EXPECT_TRUE(store.trips().back().Nome != "Seen" && store.trips().back().Punti.size() < 200000u);
  EXPECT_TRUE(prompts.messages.size() == 3 && !window.isVisible() && tripWindows().size() == 5);
}

// A stand-in for GPSBabel: it lists two formats, converts any file to a one-point GPX track
// named after the format, fails on a file named bad.* and takes its time over slow.*.
const std::string kGpsBabel = R"(#!/bin/sh
if [ "$1" = "-^3" ]; then
  printf 'file\t--r---\tloc\tloc\tGeocaching .loc\tloc\nfile\trwrwrw\tany\t\tAnything\tany\n'
  exit 0
fi
case "$6" in */bad.*) echo "no such format in ${6##*/}" >&2; exit 1 ;; */slow.*) exec sleep 20 ;; esac
echo "<gpx><trk><name>$4</name><trkpt lat=\"45\" lon=\"7\"/></trk></gpx>"
)";

TEST_F(MainWindowTest, ImportsThroughGpsBabelCancelsOrSaysHowToInstallIt) {
  const QString stand_in = temp("gpsbabel", kGpsBabel);
  QFile::setPermissions(stand_in, QFile::ReadOwner | QFile::ExeOwner);
  auto* cancel = window.findChild<QPushButton*>("btnCancelRead");
  window.gpsBabelCommand().setSettings({"/no/such/gpsbabel", {}});
  action("mnuFileGpsBabel")->trigger();
  EXPECT_EQ(boxes(), QStringList({"critical vianora: GPSBabel is not installed. Install it with: "
                                  "sudo apt install gpsbabel"}));
  window.gpsBabelCommand().setSettings({stand_in.toStdString(), {}});
  const struct {
    QString path;
    int filter;
    QStringList boxes;
    std::size_t trips;
  } cases[] = {
      {temp("a.txt", ""), 2, {}, 1},
      {temp("bad.loc", ""), 1, {"critical Errore vianora: (Linea 0) 1002\nGPSBabel could not "
                                "convert the file: no such format in bad.loc: bad.loc"}, 1},
      {temp("slow.loc", ""), 1, {}, 1},  // cancelled: nothing said, nothing read
      {temp("b.txt", ""), 0, {}, 2},     // no filter reported: the format chosen last
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    prompts.answers.push_back(UserPrompts::FileChoice{cases[i].path, cases[i].filter});
    if (i == 2) QTimer::singleShot(300, cancel, [&] { cancel->click(); });
    action("mnuFileGpsBabel")->trigger();
    EXPECT_EQ(boxes(), cases[i].boxes) << i;
    EXPECT_EQ(store.size(), cases[i].trips) << i;
    EXPECT_FALSE(cancel->isVisible()) << i;
  }
  EXPECT_EQ(prompts.dialogs[0].filters, QStringList({"Geocaching .loc (*.loc)", "Anything (*)"}));
  EXPECT_EQ(prompts.dialogs[1].filterPosition, 2);  // where the dialog ended before
  EXPECT_EQ(store[0].Nome + ", " + store[1].Nome, "any, loc");
  EXPECT_TRUE(action("mnuFileGpsBabel")->isEnabled() && action("mnuFileApri")->isEnabled());
}

}  // namespace
}  // namespace vianora::gui
