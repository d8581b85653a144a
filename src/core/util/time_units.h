#pragma once

namespace vianora {

// The units of a day number's fraction and of the durations shown.
inline constexpr int kSecondsPerMinute = 60;
inline constexpr int kMinutesPerHour = 60;
inline constexpr int kHoursPerDay = 24;
inline constexpr int kSecondsPerHour = kSecondsPerMinute * kMinutesPerHour;
inline constexpr int kSecondsPerDay = kSecondsPerHour * kHoursPerDay;

}  // namespace vianora
