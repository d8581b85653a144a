#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vianora {

/// The day number of a GPX time element's content: "T" read as a blank, every "Z" dropped,
/// the text before the first "." read by dayNumberOfGpxDate and the text after it by
/// millisecondsOfGpxFraction. None when the date does not convert. A time written the usual
/// way ("2024-05-14T06:00:00Z", or "...:00.250Z") is read where it lies; any other is first
/// rewritten into `scratch`, room reused from one time to the next.
std::optional<double> dayNumberOfGpxTime(std::string_view content, std::string& scratch);

}  // namespace vianora
