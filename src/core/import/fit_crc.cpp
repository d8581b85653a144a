#include "core/import/fit_crc.h"

#include <array>

namespace vianora {

namespace {

// The CRC runs four bits at a time through this table.
constexpr std::array<std::uint16_t, 16> kNibbleTable = {
    0x0000, 0xCC01, 0xD801, 0x1400, 0xF001, 0x3C00, 0x2800, 0xE401,
    0xA001, 0x6C00, 0x7800, 0xB401, 0x5000, 0x9C01, 0x8801, 0x4400};

constexpr std::uint16_t withNibble(std::uint16_t crc, unsigned nibble) {
  const std::uint16_t low = kNibbleTable[crc & 0xF];
  crc = static_cast<std::uint16_t>((crc >> 4) & 0x0FFF);
  return static_cast<std::uint16_t>(crc ^ low ^ kNibbleTable[nibble & 0xF]);
}

// The same steps a whole byte at a time, low nibble first.
constexpr std::array<std::uint16_t, 256> kByteTable = [] {
  std::array<std::uint16_t, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    table[byte] = withNibble(withNibble(static_cast<std::uint16_t>(byte), 0), 0);
  }
  return table;
}();

}  // namespace

std::uint16_t fitCrc(std::string_view bytes, std::uint16_t crc) {
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    crc = static_cast<std::uint16_t>((crc >> 8) ^ kByteTable[(crc ^ byte) & 0xFF]);
  }
  return crc;
}

}  // namespace vianora
