#include "import/gpx_encoding.h"

namespace vianora {

int encodingCode(std::string_view upperCasedValue) {
  if (upperCasedValue == "ISO-8859-1") return 0;
  if (upperCasedValue == "UTF-8") return 1;
  if (upperCasedValue == "UTF-8?") return 2;
  return -1;
}

}  // namespace vianora
