#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/import/import_many.h"
#include "core/import/reader_choice.h"
#include "core/store/percorsi.h"

class QProgressBar;
class QWidget;

namespace vianora::gui {

class UserPrompts;

/// The Open command: asks for a file, reads it with the reader of the filter left selected
/// (or the one its content shows, where the filter cannot tell or the content is of the other
/// format), and shows what went wrong. The dialog starts where the last one ended, with its
/// filter.
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

  /// Reads one file with the reader `picked` by a filter (None for all files, or where no
  /// filter was reported) unless its content shows another, showing over `parent` its
  /// failures, a file that brought no point and one that no reader takes.
  ImportOutcome readFile(QWidget* parent, const QString& path, ReaderKind picked,
                         QProgressBar* progress);

  /// Files whose reading began before the program's windows were made.
  struct StartedReading {
    std::vector<std::string> files;
    std::unique_ptr<ImportQueue> queue;
  };

  /// Begins reading files named at start (as readFiles will with the reader `picked`) on other
  /// threads at once, the first one into a store of its own: it is half read by the time the
  /// window shows.
  static StartedReading startReading(std::vector<std::string> files, ReaderKind picked);

  /// Reads files given together (on the command line or dropped) in their order as readFile
  /// does, the next ones on other cores while the one before is taken; false when the reading
  /// stopped. A reading `started` of these same files goes on instead of starting anew.
  bool readFiles(QWidget* parent, const QStringList& paths, ReaderKind picked,
                 QProgressBar* progress, StartedReading started = {});

  /// One way of reading a file into the store with the failure sink, progress and stop
  /// request it is given: importFile with a reader, or a conversion by GPSBabel.
  using Reading =
      std::function<ImportOutcome(const FailureSink&, const ProgressFn&, const StopRequest&)>;

  /// Reads `path` as `reading` does and shows what went wrong as readFile does. The read also
  /// stops when `cancelled` says so, and then shows nothing more.
  ImportOutcome readWith(QWidget* parent, const QString& path, QProgressBar* progress,
                         const Reading& reading, const StopRequest& cancelled = {});

  /// The program is ending: the read under way stops at its next progress call and shows
  /// nothing more, and no later read starts.
  void stopReading() { stopped_ = true; }

 private:
  Percorsi& store_;
  UserPrompts& prompts_;
  QString folder_;
  int filterPosition_ = 1;
  bool stopped_ = false;
};

}  // namespace vianora::gui
