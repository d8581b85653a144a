#pragma once

#include <cstdint>
#include <functional>

namespace vianora {

/// Called now and then during long work with how much is done out of the total, in the
/// work's own units (bytes of a file, characters of a text). The GUI pumps its events here,
/// so it must be cheap to call; the readers call it about every 64 KiB, not per tag or line.
using ProgressFn = std::function<void(std::uint64_t done, std::uint64_t total)>;

/// Calls a ProgressFn only when the work has moved on by a step since the last call.
class ProgressThrottle {
 public:
  static constexpr std::uint64_t kStep = 64 * 1024;

  ProgressThrottle(const ProgressFn& progress, std::uint64_t total)
      : progress_(progress), total_(total) {}

  void at(std::uint64_t done) {
    if (done >= next_ && progress_) {
      next_ = done + kStep;
      last_ = done;
      progress_(done, total_);
    }
  }

  /// Calls again with the last value: for work that takes long without moving on.
  void stillAt() {
    if (progress_) progress_(last_, total_);
  }

 private:
  const ProgressFn& progress_;
  std::uint64_t total_;
  std::uint64_t next_ = 0;
  std::uint64_t last_ = 0;
};

}  // namespace vianora
