#pragma once

#include <string>
#include <string_view>

namespace vianora::cli {

/// The bytes as valid UTF-8: every byte that does not belong to a well-formed sequence
/// becomes U+FFFD. Names keep the file's bytes in the store; this is only for writing them.
std::string validUtf8(std::string_view bytes);

/// The bytes as validUtf8 makes them, safe to show on a terminal: each byte of a control
/// character (below 0x20, 0x7F, and the C1 characters U+0080 to U+009F) is written as \xNN,
/// so that a name read from a file cannot move the cursor, clear the screen or retitle the
/// window. \xNN always stands for one byte of the UTF-8 text: U+009B is written \xc2\x9b.
std::string terminalText(std::string_view bytes);

/// Appends a byte as two lowercase hexadecimal digits.
void appendHexByte(std::string& out, unsigned char byte);

}  // namespace vianora::cli
