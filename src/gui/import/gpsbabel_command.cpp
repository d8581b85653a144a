#include "gui/import/gpsbabel_command.h"

#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>

#include "gui/import/open_command.h"
#include "gui/import/user_prompts.h"

namespace vianora::gui {

namespace {

// A format as a filter of the file dialog: its description and its files' pattern.
QString filterOf(const GpsBabelFormat& format) {
  const QString pattern = format.extension.empty()
                              ? QStringLiteral("*")
                              : "*." + QString::fromStdString(format.extension);
  return QString::fromStdString(format.description) + " (" + pattern + ")";
}

// Shows the Cancel button while it lives and remembers a click on it.
class CancelButton {
 public:
  explicit CancelButton(QPushButton* button) : button_(button) {
    if (button_ == nullptr) return;
    connection_ = QObject::connect(button_, &QPushButton::clicked, [this] { clicked_ = true; });
    button_->show();
  }
  ~CancelButton() {
    if (button_ == nullptr) return;
    QObject::disconnect(connection_);
    button_->hide();
  }
  CancelButton(const CancelButton&) = delete;
  CancelButton& operator=(const CancelButton&) = delete;

  bool clicked() const { return clicked_; }

 private:
  QPushButton* button_;
  QMetaObject::Connection connection_;
  bool clicked_ = false;
};

}  // namespace

bool GpsBabelCommand::run(QWidget* parent, QProgressBar* progress, QPushButton* cancel) {
  const auto formats = installedGpsBabelFormats(settings_);
  if (!formats || formats->empty()) {
    prompts_.critical(parent, kApplicationTitle,
                      QString::fromUtf8(kGpsBabelMissing.data(),
                                        static_cast<qsizetype>(kGpsBabelMissing.size())));
    return false;
  }
  QStringList filters;
  int position = 1;
  for (const GpsBabelFormat& format : *formats) {
    filters << filterOf(format);
    if (QString::fromStdString(format.name) == format_) position = static_cast<int>(filters.size());
  }
  const auto choice = prompts_.chooseFileToOpen(parent, filters, folder_, position);
  if (!choice) return false;
  folder_ = QFileInfo(choice->path).absolutePath();
  // A dialog that reports no filter leaves the format chosen last, or the first.
  const int chosen = choice->filterPosition >= 1 && choice->filterPosition <= filters.size()
                         ? choice->filterPosition
                         : position;
  const std::string format = (*formats)[static_cast<std::size_t>(chosen - 1)].name;
  format_ = QString::fromStdString(format);
  const std::string file = QFile::encodeName(choice->path).toStdString();
  CancelButton button(cancel);
  if (progress != nullptr) progress->setRange(0, 0);  // busy until the GPX is read
  reading_.readWith(
      parent, choice->path, progress,
      [&](const FailureSink& failures, const ProgressFn& pump, const StopRequest& stop) {
        return importWithGpsBabel(store_, format, file, failures, pump, stop, settings_);
      },
      [&] { return button.clicked(); });
  return true;
}

}  // namespace vianora::gui
