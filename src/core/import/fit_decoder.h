#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/import/progress.h"

namespace vianora {

/// A FIT time: seconds since 1989-12-31 00:00 UTC.
inline constexpr std::uint32_t kNoFitTime = 0xFFFFFFFF;

/// What a `record` message says about a point. Positions are in semicircles.
struct FitRecord {
  std::int32_t latitude = 0;
  std::int32_t longitude = 0;
  bool hasPosition = false;
  std::optional<double> altitude;  ///< metres
  std::uint32_t time = kNoFitTime;
  std::size_t recordsAtMost = 0;  ///< records the file's bytes can still hold, this one included
};

/// What a `session` message says about the trip it closes.
struct FitSession {
  std::uint32_t startTime = kNoFitTime;
  std::uint8_t sport = 0xFF;  ///< 0xFF: none given
};

/// Receives the messages the reader uses, in file order.
class FitMessageSink {
 public:
  virtual ~FitMessageSink() = default;
  virtual void record(const FitRecord& record) = 0;
  virtual void session(const FitSession& session) = 0;
  /// One of the chained files in the bytes has ended, whole or not.
  virtual void fileEnd() = 0;
};

/// Where and why the bytes stopped being a FIT file.
struct FitFault {
  std::uint64_t offset = 0;
  std::string what;  ///< "bad CRC", "unexpected end of file", ...
};

/// Decodes every FIT file chained in `bytes`, handing its messages to `sink` as they come.
/// Decoding stops at the first fault, which is returned; messages before it have been handed
/// on. Nothing is held but the 16 message definitions, so a data size beyond the bytes given
/// costs nothing: decoding stops where the bytes end.
std::optional<FitFault> decodeFit(std::string_view bytes, FitMessageSink& sink,
                                  ProgressThrottle& throttle);

}  // namespace vianora
