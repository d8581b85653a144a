#include "import/open_command.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>

#include "import/event_pump.h"
#include "import/user_prompts.h"

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

}  // namespace

QString messageText(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QStringList OpenCommand::dialogFilters() {
  // The filter string pairs descriptions and patterns; each description names its pattern.
  const QStringList parts =
      QString::fromUtf8(kOpenDialogFilter.data(), static_cast<qsizetype>(kOpenDialogFilter.size()))
          .split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
  return filters;
}

bool OpenCommand::run(QWidget* parent, QProgressBar* progress) {
  const auto choice = prompts_.chooseFileToOpen(parent, dialogFilters(), folder_, filterPosition_);
  if (!choice) return false;
  folder_ = QFileInfo(choice->path).absolutePath();
  filterPosition_ = choice->filterPosition;
  const ReaderKind reader = readerOfKey(readerKeyOfFilter(choice->filterPosition));
  readFile(parent, choice->path, reader, progress);
  return true;
}

void OpenCommand::readFile(QWidget* parent, const QString& path, ReaderKind reader,
                           QProgressBar* progress) {
  if (reader == ReaderKind::None) return;
  WaitCursor waiting;
  EventPump pump(progress);
  if (progress != nullptr) {
    progress->setValue(0);
    progress->show();
  }
  int gpxFailures = 0;
  std::string lastGpxFailure;
  const FailureSink failures = [&](const ImportFailure& failure) {
    if (failure.shown == ImportFailure::Shown::ByOpenCommand) {
      NormalCursorForAWhile normal;
      prompts_.critical(parent, QString::fromStdString(openFailureTitle(failure)),
                        messageText(openFailureText(failure)));
      return;
    }
    lastGpxFailure = gpxFailureText(failure);
    if (++gpxFailures > kShownFailuresPerFile) return;
    NormalCursorForAWhile normal;
    prompts_.critical(parent, kApplicationTitle, messageText(lastGpxFailure));
  };
  importFile(store_, QFile::encodeName(path).toStdString(), reader, failures, pump.progress());
  if (progress != nullptr) progress->hide();
  if (gpxFailures > kShownFailuresPerFile) {
    NormalCursorForAWhile normal;
    const int more = gpxFailures - kShownFailuresPerFile;
    prompts_.critical(
        parent, kApplicationTitle,
        QStringLiteral("%1 more reading errors in %2 were not shown. The last one:\n\n%3")
            .arg(more)
            .arg(QFileInfo(path).fileName(), messageText(lastGpxFailure)));
  }
}

}  // namespace vianora::gui
