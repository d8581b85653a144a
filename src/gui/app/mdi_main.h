#pragma once

#include <QMainWindow>
#include <QPointer>

#include "core/store/percorsi.h"
#include "gui/import/gpsbabel_command.h"
#include "gui/import/open_command.h"

class QAction;
class QMdiArea;
class QProgressBar;
class QPushButton;

namespace vianora::gui {

class frmInfo;
class frmStatPercorso;
class UserPrompts;

/// The main window: a workspace for trip windows, and the menus that open files, trip
/// windows and the About window. Files can also be given on the command line or dropped.
class MDIMain : public QMainWindow {
  Q_OBJECT

 public:
  MDIMain(Percorsi& store, UserPrompts& prompts, QWidget* parent = nullptr);

  /// Reads files by their content, else by their extensions, then opens a trip window
  /// showing the first trip they brought that has points. Files of another type are refused
  /// with a message. A reading of these files `started` at launch goes on.
  void openFiles(const QStringList& paths, OpenCommand::StartedReading started = {});

  QMdiArea* workspace() const { return workspace_; }

  /// File > Import with GPSBabel..., to point it at another GPSBabel.
  GpsBabelCommand& gpsBabelCommand() { return gpsBabelCommand_; }

 public slots:
  void mnuFileApri_Click();                     ///< File > Open
  void mnuFileGpsBabel_Click();                 ///< File > Import with GPSBabel...
  void mnuFileEsci_Click();                     ///< File > Exit
  frmStatPercorso* mnuAnalisiPercorso_Click();  ///< Analyzer > Analyze trip
  void mnuAbout_Click();                        ///< ?

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  /// Runs a read with the reading commands switched off, so that no second read starts under it.
  template <typename Read>
  void whileReading(Read read);

  Percorsi& store_;
  UserPrompts& prompts_;
  OpenCommand openCommand_;
  GpsBabelCommand gpsBabelCommand_;
  QMdiArea* workspace_ = nullptr;
  QAction* mnuFileApri_ = nullptr;
  QAction* mnuFileGpsBabel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancelRead_ = nullptr;
  QPointer<frmInfo> about_;
  bool reading_ = false;
};

}  // namespace vianora::gui
