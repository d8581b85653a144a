#pragma once

#include <QElapsedTimer>

#include "core/import/progress.h"

class QProgressBar;

namespace vianora::gui {

/// Lets the windows repaint and answer during long work, at most every 20 ms whatever the
/// number of progress calls, and shows the progress in a bar.
class EventPump {
 public:
  static constexpr qint64 kIntervalMs = 20;

  explicit EventPump(QProgressBar* bar = nullptr);

  /// The callback to hand to the core's long work.
  ProgressFn progress();

  /// Processes the pending events now if the interval has passed.
  void pump(std::uint64_t done, std::uint64_t total);

 private:
  QProgressBar* bar_;
  QElapsedTimer sinceLastPump_;
};

}  // namespace vianora::gui
