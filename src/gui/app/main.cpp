// Quillon Vianora: the desktop program. Files named on the command line are opened at start.
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "core/store/percorsi.h"
#include "gui/app/map_paint_timer.h"
#include "gui/app/mdi_main.h"
#include "gui/import/user_prompts.h"

namespace {

// The files named on the command line, as the window will be given them; none where Qt may
// take some of the arguments as options of its own.
std::vector<std::string> commandLineFiles(int argc, char** argv) {
  std::vector<std::string> files(argv + std::min(argc, 1), argv + argc);
  for (const std::string& file : files) {
    if (file.starts_with('-')) return {};
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  // Files named at launch are read while the program starts: a big track is half read by the
  // time the window shows.
  auto started = vianora::gui::OpenCommand::startReading(commandLineFiles(argc, argv),
                                                         vianora::ReaderKind::None);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vianora"));
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(VIANORA_VERSION_MAJOR)
                                          .arg(VIANORA_VERSION_MINOR)
                                          .arg(VIANORA_VERSION_PATCH));

  vianora::gui::quitAtFirstMapPaintIfAsked(application);

  // The one trip store of the program: every trip of every file read, until it ends.
  vianora::Percorsi store;
  vianora::gui::DialogPrompts prompts;
  vianora::gui::MDIMain window(store, prompts);
  window.show();

  const QStringList files = QApplication::arguments().mid(1);
  if (!files.isEmpty()) {
    QTimer::singleShot(0, &window, [&] { window.openFiles(files, std::move(started)); });
  }
  return QApplication::exec();
}
