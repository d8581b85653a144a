#pragma once

#include <exception>
#include <thread>

namespace vianora::gui {

/// Runs `side` on a second thread while `here` runs on this one, and returns once both have
/// ended. The two must share nothing that either changes. A failure of either is thrown here,
/// this thread's first.
template <typename Side, typename Here>
void runSideBySide(Side&& side, Here&& here) {
  std::exception_ptr failed;
  {
    const std::jthread thread([&] {
      try {
        side();
      } catch (...) {
        failed = std::current_exception();
      }
    });
    here();
  }
  if (failed) std::rethrow_exception(failed);
}

}  // namespace vianora::gui
