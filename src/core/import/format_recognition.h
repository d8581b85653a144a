#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/import/reader_choice.h"

namespace vianora {

/// How much of the start of a file is read to recognise it.
inline constexpr std::size_t kRecognitionBytes = 4096;

/// The format the first bytes of a file show: GPX when they begin with an XML declaration
/// ("<?xml") or a "<gpx" element, after an optional UTF-8 byte order mark and blanks or line
/// ends; PLT when the first line holds "OziExplorer" (any letter case); None otherwise.
ReaderKind formatOfFirstBytes(std::string_view bytes);

/// The format the first bytes of a file show. Only a regular file is looked into: a pipe or a
/// device is neither waited for nor drained, and a file that cannot be opened shows None.
ReaderKind formatOfContent(const std::string& path);

}  // namespace vianora
