#include "import/gpx_point_position.h"

#include "util/ascii.h"
#include "util/next_token.h"
#include "util/number_text.h"

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

}  // namespace vianora
