#pragma once

#include <string>
#include <string_view>

namespace vianora::cli {

/// The bytes as valid UTF-8: every byte that does not belong to a well-formed sequence
/// becomes U+FFFD. Names keep the file's bytes in the store; this is only for writing them.
std::string validUtf8(std::string_view bytes);

}  // namespace vianora::cli
