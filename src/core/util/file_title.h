#pragma once

#include <string>
#include <string_view>

namespace vianora {

/// A path's file name without its folder: the name a PLT file's trip gets, and the name that
/// tells apart trips of the same title in the trip list.
std::string fileTitle(std::string_view path);

}  // namespace vianora
