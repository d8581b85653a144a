#include "gui/app/mdi_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "gui/app/app_icons.h"
#include "gui/app/frm_info.h"
#include "gui/import/user_prompts.h"
#include "gui/tripwindow/frm_stat_percorso.h"

namespace vianora::gui {

namespace {

// The read's progress bar keeps to the right end of the status bar.
constexpr int kProgressBarWidth = 240;
// Room for a trip window at its design size (993 by 763 pixels at 96 dpi) with its frame,
// and for the menus and the status bar around the workspace.
constexpr QSize kStartSize(1100, 860);

}  // namespace

MDIMain::MDIMain(Percorsi& store, UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      store_(store),
      prompts_(prompts),
      openCommand_(store, prompts),
      gpsBabelCommand_(store, openCommand_, prompts) {
  setObjectName(QStringLiteral("MDIMain"));
  setWindowTitle(QStringLiteral("Vianora"));
  setWindowIcon(applicationIcon());
  setAcceptDrops(true);
  workspace_ = new QMdiArea(this);
  workspace_->setObjectName(QStringLiteral("workspace"));
  setCentralWidget(workspace_);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("readProgress"));
  progress_->setMaximumWidth(kProgressBarWidth);
  progress_->setTextVisible(true);
  progress_->hide();
  statusBar()->addPermanentWidget(progress_);
  cancelRead_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancelRead_->setObjectName(QStringLiteral("btnCancelRead"));
  cancelRead_->hide();
  statusBar()->addPermanentWidget(cancelRead_);
  buildMenus();
  resize(kStartSize);
}

void MDIMain::buildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* test = file->addAction(QStringLiteral("Test"));
  test->setObjectName(QStringLiteral("mnuTest"));
  test->setEnabled(false);  // switched off: it has no command
  mnuFileApri_ = file->addAction(QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                                 &MDIMain::mnuFileApri_Click);
  mnuFileApri_->setObjectName(QStringLiteral("mnuFileApri"));
  mnuFileGpsBabel_ = file->addAction(QStringLiteral("Import with GPSBabel..."), this,
                                     &MDIMain::mnuFileGpsBabel_Click);
  mnuFileGpsBabel_->setObjectName(QStringLiteral("mnuFileGpsBabel"));
  file->addSeparator()->setObjectName(QStringLiteral("mnuBarra0"));
  QAction* exit = file->addAction(QStringLiteral("Exit"), this, &MDIMain::mnuFileEsci_Click);
  exit->setObjectName(QStringLiteral("mnuFileEsci"));

  QMenu* analyzer = menuBar()->addMenu(QStringLiteral("Analyzer"));
  analyzer->setObjectName(QStringLiteral("mnuAnalisi"));
  QAction* analyze =
      analyzer->addAction(QStringLiteral("Analyze trip"), this, &MDIMain::mnuAnalisiPercorso_Click);
  analyze->setObjectName(QStringLiteral("mnuAnalisiPercorso"));

  QAction* about = menuBar()->addAction(QStringLiteral("?"), this, &MDIMain::mnuAbout_Click);
  about->setObjectName(QStringLiteral("mnuAbout"));
}

template <typename Read>
void MDIMain::whileReading(Read read) {
  if (reading_) return;
  reading_ = true;
  mnuFileApri_->setEnabled(false);
  mnuFileGpsBabel_->setEnabled(false);
  read();
  mnuFileApri_->setEnabled(true);
  mnuFileGpsBabel_->setEnabled(true);
  reading_ = false;
}

void MDIMain::mnuFileApri_Click() {
  whileReading([&] { openCommand_.run(this, progress_); });
}

void MDIMain::mnuFileGpsBabel_Click() {
  whileReading([&] { gpsBabelCommand_.run(this, progress_, cancelRead_); });
}

void MDIMain::mnuFileEsci_Click() {
  openCommand_.stopReading();
  QApplication::closeAllWindows();
}

frmStatPercorso* MDIMain::mnuAnalisiPercorso_Click() {
  auto* window = new frmStatPercorso(store_, prompts_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  const QSize client = window->size();  // the window's own design size
  QMdiSubWindow* sub = workspace_->addSubWindow(window);
  sub->setWindowIcon(applicationIcon());
  const int frame = sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
  const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
  sub->resize(client.width() + 2 * frame, client.height() + title + frame);
  window->show();
  return window;
}

void MDIMain::mnuAbout_Click() {
  if (about_ == nullptr) {
    about_ = new frmInfo(this);
    about_->setAttribute(Qt::WA_DeleteOnClose);
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void MDIMain::openFiles(const QStringList& paths, OpenCommand::StartedReading started) {
  const std::size_t firstNew = store_.nextTripIndex();
  bool stopped = false;
  whileReading([&] {
    stopped = !openCommand_.readFiles(this, paths, ReaderKind::None, progress_, std::move(started));
  });
  if (stopped) return;
  // A track without points is a trip too, but there is nothing to show of it.
  const auto first = store_.firstTripWithPoints(firstNew);
  if (!first) return;
  frmStatPercorso* window = mnuAnalisiPercorso_Click();
  window->showTrip(static_cast<int>(*first));
}

void MDIMain::closeEvent(QCloseEvent* event) {
  // The windows go: a read under way must not bring up messages after them.
  openCommand_.stopReading();
  QMainWindow::closeEvent(event);
}

void MDIMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!reading_ && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MDIMain::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  // Read after the drop has ended, so that the program the files came from is not kept waiting.
  QTimer::singleShot(0, this, [this, paths] { openFiles(paths); });
}

}  // namespace vianora::gui
