#include "gui/import/open_command.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>

#include "core/import/import_many.h"
#include "gui/import/event_pump.h"
#include "gui/import/user_prompts.h"

namespace vianora::gui {

namespace {

// The wait cursor stays while a file is read, except over the messages it brings up.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

class NormalCursorForAWhile {
 public:
  NormalCursorForAWhile() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~NormalCursorForAWhile() { QApplication::restoreOverrideCursor(); }
  NormalCursorForAWhile(const NormalCursorForAWhile&) = delete;
  NormalCursorForAWhile& operator=(const NormalCursorForAWhile&) = delete;
};

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A failure's lines as one box text. Put together piece by piece: a detail may hold "%1",
// which QString::arg would fill in.
QString boxText(const ImportFailure& failure) {
  QStringList lines;
  for (const std::string& line : failureLines(failure)) lines << fromUtf8(line);
  return lines.join(QLatin1Char('\n'));
}

// The Open command's box: its lines, then ": " and the file's name.
QString openCommandText(const ImportFailure& failure, const QString& fileName) {
  QString text = boxText(failure);
  if (!fileName.isEmpty()) text += QStringLiteral(": ") + fileName;
  return text;
}

// Shows the failures of one file as they come. The progress bar goes before each message, so
// that no message stands over a bar that does not move; the next progress call brings it back.
class FailureBoxes {
 public:
  FailureBoxes(UserPrompts& prompts, QWidget* parent, QProgressBar* progress, QString fileName)
      : prompts_(prompts), parent_(parent), progress_(progress), fileName_(std::move(fileName)) {}

  void show(const ImportFailure& failure) {
    if (failure.shown == ImportFailure::Shown::ByOpenCommand) {
      showBox(QStringLiteral("Errore ") + fromUtf8(kFailureSource),
              openCommandText(failure, fileName_));
      return;
    }
    lastGpxFailure_ = boxText(failure);
    if (++gpxFailures_ > OpenCommand::kShownFailuresPerFile) return;
    showBox(kApplicationTitle, lastGpxFailure_);
  }

  /// Counts the GPX reader's failures that had no message of their own, in one message.
  void showTheUnshown() {
    const int more = gpxFailures_ - OpenCommand::kShownFailuresPerFile;
    if (more <= 0) return;
    showBox(kApplicationTitle,
            QStringLiteral("%1 more reading errors in %2 were not shown. The last one:\n\n%3")
                .arg(more)
                .arg(fileName_, lastGpxFailure_));
  }

  void showBox(const QString& title, const QString& text) {
    if (progress_ != nullptr) progress_->hide();
    NormalCursorForAWhile normal;
    prompts_.critical(parent_, title, text);
  }

 private:
  UserPrompts& prompts_;
  QWidget* parent_;
  QProgressBar* progress_;
  QString fileName_;
  int gpxFailures_ = 0;
  QString lastGpxFailure_;
};

// Each file's reader: the one `picked` by a filter unless its content shows another.
ImportQueue::ReaderChoice readersFor(ReaderKind picked) {
  return [picked](const std::string& file) { return readerForFile(picked, file); };
}

}  // namespace

QStringList OpenCommand::dialogFilters() {
  QStringList filters;
  for (const std::string& filter : openDialogFilters()) filters << fromUtf8(filter);
  return filters;
}

bool OpenCommand::run(QWidget* parent, QProgressBar* progress) {
  const auto choice = prompts_.chooseFileToOpen(parent, dialogFilters(), folder_, filterPosition_);
  if (!choice) return false;
  folder_ = QFileInfo(choice->path).absolutePath();
  filterPosition_ = choice->filterPosition;
  const ReaderKind picked = readerOfOpenFilter(choice->filterPosition);
  readFile(parent, choice->path, picked, progress);
  return true;
}

ImportOutcome OpenCommand::readFile(QWidget* parent, const QString& path, ReaderKind picked,
                                    QProgressBar* progress) {
  const std::string file = QFile::encodeName(path).toStdString();
  return readWith(
      parent, path, progress,
      [&](const FailureSink& failures, const ProgressFn& pump, const StopRequest& stop) {
        return importFile(store_, file, readerForFile(picked, file), failures, pump, stop);
      });
}

OpenCommand::StartedReading OpenCommand::startReading(std::vector<std::string> files,
                                                      ReaderKind picked) {
  if (files.empty()) return {};
  auto queue = std::make_unique<ImportQueue>(files, readersFor(picked),
                                             ImportQueue::workersForCores(),
                                             ImportQueue::FirstFile::ReadAhead);
  return StartedReading{std::move(files), std::move(queue)};
}

bool OpenCommand::readFiles(QWidget* parent, const QStringList& paths, ReaderKind picked,
                            QProgressBar* progress, StartedReading started) {
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(QFile::encodeName(path).toStdString());
  std::unique_ptr<ImportQueue> queue = std::move(started.queue);
  if (!queue || started.files != files) {
    queue = std::make_unique<ImportQueue>(std::move(files), readersFor(picked));
  }
  for (const QString& path : paths) {
    const ImportOutcome outcome =
        readWith(parent, path, progress,
                 [&](const FailureSink& failures, const ProgressFn& pump, const StopRequest& stop) {
                   return queue->importNext(store_, failures, pump, stop);
                 });
    if (outcome == ImportOutcome::Stopped) return false;
  }
  return true;
}

ImportOutcome OpenCommand::readWith(QWidget* parent, const QString& path, QProgressBar* progress,
                                    const Reading& reading, const StopRequest& cancelled) {
  if (stopped_) return ImportOutcome::Stopped;
  const QString fileName = QFileInfo(path).fileName();
  FailureBoxes boxes(prompts_, parent, progress, fileName);
  bool cancel = false;  // once asked, the answer stays: no box after a cancelled read
  const auto stopRequested = [&] {
    if (cancelled && cancelled()) cancel = true;
    return stopped_ || cancel;
  };
  ImportOutcome outcome;
  {
    WaitCursor waiting;
    EventPump pump(progress);
    if (progress != nullptr) {
      progress->setValue(0);
      progress->show();
    }
    outcome = reading(
        [&](const ImportFailure& failure) {
          if (!stopped_ && !cancel) boxes.show(failure);
        },
        pump.progress(), stopRequested);
    if (progress != nullptr) progress->hide();
  }
  if (outcome == ImportOutcome::Stopped) return outcome;
  boxes.showTheUnshown();
  const std::string_view said = outcomeDescription(outcome);
  if (!said.empty())
    boxes.showBox(kApplicationTitle, fileName + QStringLiteral(": ") + fromUtf8(said));
  return outcome;
}

}  // namespace vianora::gui
