// Quillon Vianora: the desktop program. Files named on the command line are opened at start.
#include <QApplication>
#include <QTimer>

#include "core/store/percorsi.h"
#include "gui/app/map_paint_timer.h"
#include "gui/app/mdi_main.h"
#include "gui/import/user_prompts.h"

int main(int argc, char** argv) {
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
  if (!files.isEmpty()) QTimer::singleShot(0, &window, [&] { window.openFiles(files); });
  return QApplication::exec();
}
