#include "core/import/gpx_point_position.h"

#include <algorithm>

#include "core/util/ascii.h"
#include "core/util/next_token.h"
#include "core/util/number_text.h"

namespace vianora {

GpxPointPosition readGpxPointPosition(std::string_view attributes) {
  GpxPointPosition position;
  while (!attributes.empty()) {
    std::string_view piece = NextToken(attributes, " ");
    const std::string_view key = NextToken(piece, "=");
    const bool latitude = equalsIgnoringCase(key, "LAT");
    if (!latitude && !equalsIgnoringCase(key, "LON")) continue;
    const auto value = numberOfQuotedText(piece);
    if (!value) {
      position.overflow = true;
      break;
    }
    (latitude ? position.latitude : position.longitude) = *value;
  }
  return position;
}

std::string gpxPointDetail(std::size_t number, std::string_view tag) {
  constexpr std::size_t kShownTag = 60;
  // A UTF-8 continuation byte: 10xxxxxx.
  constexpr unsigned char kContinuationMask = 0xC0;
  constexpr unsigned char kContinuationBits = 0x80;
  const auto insideCharacter = [tag](std::size_t at) {
    return (static_cast<unsigned char>(tag[at]) & kContinuationMask) == kContinuationBits;
  };
  std::size_t shown = std::min(tag.size(), kShownTag);
  while (shown > 0 && shown < tag.size() && insideCharacter(shown)) --shown;
  std::string detail = "point " + std::to_string(number) + " of the file, ";
  detail.append(tag.substr(0, shown));
  if (shown < tag.size()) detail += "...";
  return detail;
}

}  // namespace vianora
