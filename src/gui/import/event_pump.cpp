#include "gui/import/event_pump.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace vianora::gui {

EventPump::EventPump(QProgressBar* bar) : bar_(bar) { sinceLastPump_.start(); }

ProgressFn EventPump::progress() {
  return [this](std::uint64_t done, std::uint64_t total) { pump(done, total); };
}

void EventPump::pump(std::uint64_t done, std::uint64_t total) {
  if (sinceLastPump_.elapsed() < kIntervalMs) return;
  sinceLastPump_.restart();
  if (bar_ != nullptr && total > 0) {
    bar_->show();  // again, after a message took it away
    bar_->setMaximum(1000);
    bar_->setValue(static_cast<int>(done * 1000 / total));
  }
  QCoreApplication::processEvents();
}

}  // namespace vianora::gui
