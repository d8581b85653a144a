#pragma once

#include <QString>
#include <QStringList>

#include "import/reader_choice.h"
#include "store/percorsi.h"

class QProgressBar;
class QWidget;

namespace vianora::gui {

class UserPrompts;

/// The Open command: asks for a file, reads it with the reader of the filter left selected,
/// and shows what went wrong. The dialog starts where the last one ended, with its filter.
class OpenCommand {
 public:
  /// Failures of one file that get a message box of their own; the rest are counted and
  /// reported together, so that a file with thousands of bad times does not trap the user.
  static constexpr int kShownFailuresPerFile = 5;

  OpenCommand(Percorsi& store, UserPrompts& prompts) : store_(store), prompts_(prompts) {}

  /// The dialog's filters, in the order of their positions (from 1).
  static QStringList dialogFilters();

  /// Shows the dialog and reads the chosen file; false when the user cancelled.
  bool run(QWidget* parent, QProgressBar* progress);

  /// Reads one file with the given reader, showing failures over `parent`.
  void readFile(QWidget* parent, const QString& path, ReaderKind reader, QProgressBar* progress);

 private:
  Percorsi& store_;
  UserPrompts& prompts_;
  QString folder_;
  int filterPosition_ = 1;
};

/// A failure's message text for a message box: its lines on separate lines.
QString messageText(const std::string& text);

}  // namespace vianora::gui
