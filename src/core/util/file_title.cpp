#include "core/util/file_title.h"

namespace vianora {

std::string fileTitle(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace vianora
