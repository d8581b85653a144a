#pragma once

#include <cstdint>
#include <string_view>

namespace vianora {

/// The CRC-16 that FIT files carry after their header and after their data, over `bytes`,
/// continuing from `crc` (0 to start).
std::uint16_t fitCrc(std::string_view bytes, std::uint16_t crc = 0);

}  // namespace vianora
