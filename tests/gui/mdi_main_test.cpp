// The main window's wiring: menus, the three ways a file comes in, each failure's message, and
// a read cut short. The figures of the files read are pinned by the core and command-line tests.
#include "gui/app/mdi_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QTimer>

#include "fake_prompts.h"
#include "gui/app/frm_info.h"
#include "gui/tripwindow/frm_stat_percorso.h"
#include "test_files.h"

namespace vianora::gui {
namespace {

const QString kData = QStringLiteral(VIANORA_SAMPLES_REPO "/../tests/cli/data/");
const QString kWikipedia =
    QStringLiteral(VIANORA_SAMPLES_REPO "/gpx/georust-wikipedia_example.gpx");

// A temporary file; with no bytes given, a GPX track of `points` points whose times are bad.
QString temp(const char* name, std::string bytes, int points = 0) {
  if (bytes.empty() && points > 0) {
    bytes = "<gpx><trk><name>Bad</name><trkseg>";
    for (int i = 0; i < points; ++i) bytes += "<trkpt lat=\"45\" lon=\"7\"><time>?</time></trkpt>";
    bytes += "</trkseg></trk></gpx>";
  }
  return QString::fromStdString(vianora::test_support::writeTempFile(name, bytes).string());
}

struct MainWindowTest : ::testing::Test {
  Percorsi store;
  test_support::FakePrompts prompts;
  MDIMain window{store, prompts};

  QAction* action(const char* name) { return window.findChild<QAction*>(QLatin1String(name)); }
  void open(const QString& path, int filter) {
    prompts.answers.push_back(UserPrompts::FileChoice{path, filter});
    action("mnuFileApri")->trigger();
  }
  QStringList boxes() {  // the messages shown since the last call, as "title: text"
    QStringList shown;
    for (const auto& m : prompts.messages) shown << m.title + ": " + m.text;
    for (const auto& m : prompts.messages) EXPECT_EQ(m.kind, "critical");
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

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndOpenTheirWindows) {
  QStringList captions{window.windowTitle()};
  for (QAction* a : window.menuBar()->actions()) captions << a->text();
  for (auto* a : {action("mnuTest"), action("mnuFileApri"), action("mnuFileEsci"),
                  action("mnuAnalisiPercorso")})
    captions << a->text() + ' ' + a->shortcut().toString() + (a->isEnabled() ? "" : "off");
  EXPECT_EQ(captions, QStringList({"Vianora", "File", "Analyzer", "?", "Test off", "Open Ctrl+O",
                                   "Exit ", "Analyze trip "}));
  action("mnuFileApri")->trigger();  // cancelled: nothing read, nothing said
  EXPECT_TRUE(store.isEmpty() && prompts.messages.empty());
  for (const char* name : {"mnuAnalisiPercorso", "mnuAnalisiPercorso", "mnuAbout", "mnuAbout"})
    action(name)->trigger();
  EXPECT_EQ(tripWindows(), QStringList(2, "Statistics covered, 0"));  // one more each time
  EXPECT_EQ(window.findChildren<frmInfo*>().size(), 1);  // the same About window brought forward
  EXPECT_TRUE(window.findChild<frmInfo*>()->isVisible());
}

TEST_F(MainWindowTest, OpenReadsByFilterOrContentAndShowsEachFailureOnceNotOverTheBar) {
  auto* bar = window.findChild<QProgressBar*>(QStringLiteral("readProgress"));
  int overTheBar = 0;
  prompts.whenShowing = [&] { overTheBar += bar->isVisible() ? 1 : 0; };
  window.show();
  const std::string gpx = "<gpx><trk><name>Seen</name><trkpt lat=\"45\" lon=\"7\"/></trk></gpx>";
  const QString bad = "vianora: Error number: 13\nType mismatch\nSource: vianora\nError line: 0";
  const struct {
    QString path;
    int filter;        // 1 GPX, 2 PLT, 3 all files, 0 none reported
    const char* trip;  // the last trip's name after the read
    QStringList boxes;
  } cases[] = {
      {kData + "notes.txt", 3, "", {"vianora: notes.txt: not a GPX or OziExplorer PLT file."}},
      {temp("empty.gpx", ""), 1, "", {"vianora: empty.gpx: no track or route was found."}},
      {kData + "no.gpx", 1, "", {"Errore vianora: (Linea 0) 53\nFile not found: no.gpx"}},
      {kData + "bad-day.plt",
       2,
       "bad-day.plt",
       {"Errore vianora: (Linea 8) 6\nOverflow: bad-day.plt"}},
      {temp("six.gpx", "", 6), 1, "Bad",
       QStringList(5, bad)
           << "vianora: 1 more reading errors in six.gpx were not shown. The last one:\n\n" +
                  bad.mid(9)},
      {kWikipedia, 1, "Example GPX Document", {}},
      {kData + "track.PLT", 2, "track.PLT", {}},
      {temp("a.txt", gpx), 3, "Seen", {}},  // the content tells where the filter cannot
      {temp("b.plt", gpx), 2, "Seen", {}},
      {temp("c", gpx), 0, "Seen", {}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    open(cases[i].path, cases[i].filter);
    EXPECT_EQ(boxes(), cases[i].boxes) << i;
    EXPECT_EQ(store[store.size() - 1].Nome, cases[i].trip) << i;
    if (i == 0) continue;  // the dialog comes back where the last one ended, with its filter
    EXPECT_EQ(prompts.dialogs[i].filterPosition, cases[i - 1].filter) << i;
    EXPECT_EQ(prompts.dialogs[i].folder, QFileInfo(cases[i - 1].path).absolutePath()) << i;
  }
  EXPECT_EQ(prompts.dialogs[0].filters,
            QStringList({"File gpx (*.gpx)", "Ozi Explorer (*.plt)", "Tutti i file (*.*)"}));
  EXPECT_EQ(prompts.dialogs[0].filterPosition, 1);
  EXPECT_EQ(overTheBar, 0);
  EXPECT_TRUE(action("mnuFileApri")->isEnabled() && tripWindows().isEmpty());
}

TEST_F(MainWindowTest, FilesGivenAtStartOrDroppedOpenATripWindowOnTheFirstNewTripWithPoints) {
  open(kWikipedia, 1);
  const QString bare = temp("bare.gpx", "<gpx><trk><name>No points</name></trk></gpx>");
  window.openFiles({kData + "notes.txt", bare, kData + "track.PLT"});  // trip 1 has no point
  window.openFiles({bare});      // trip 3: nothing to show, no window
  EXPECT_EQ(boxes().size(), 3);  // each failing file says so
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(kWikipedia)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  EXPECT_TRUE(enter.isAccepted() && store.size() == 4u);  // read once the drop has ended
  QApplication::processEvents();
  EXPECT_EQ(tripWindows(), QStringList({"track.PLT, 2", "Example GPX Document, 4"}));
}

TEST_F(MainWindowTest, ExitDuringAReadStopsItAndShowsNothingMore) {
  window.show();
  // At the read's first pass of the window's events; the read is long enough to get there.
  QTimer::singleShot(0, &window, [&] { action("mnuFileEsci")->trigger(); });
  window.openFiles({temp("big.gpx", "", 200000), kWikipedia});  // the second file is not read
  EXPECT_TRUE(prompts.messages.empty() && !window.isVisible() && store.size() == 1u);
  EXPECT_LT(store[0].Punti.size(), 200000u);
  EXPECT_TRUE(tripWindows().isEmpty());
}

}  // namespace
}  // namespace vianora::gui
