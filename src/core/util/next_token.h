#pragma once

#include <string>
#include <string_view>

namespace vianora {

/// Cuts the text before the first exact occurrence of sep off s and returns it; sep itself is
/// dropped. When sep does not occur the whole of s is returned and s becomes empty; an empty
/// sep returns an empty text and leaves s as it was.
std::string_view NextToken(std::string_view& s, std::string_view sep);

/// The same on an owned string (the readers use the view form, which copies nothing).
std::string NextToken(std::string& s, std::string_view sep);

}  // namespace vianora
