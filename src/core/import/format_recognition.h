#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/import/reader_choice.h"

namespace vianora {

/// How much of the start of a file is read to recognise it.
inline constexpr std::size_t kRecognitionBytes = 4096;

/// The format the first bytes of a file show:
/// - FIT when they are a FIT header: its size (12 or 14) first, ".FIT" at byte 8;
/// - after an optional UTF-8 byte order mark and blanks or line ends: TCX when the text is XML
///   whose first element is a TrainingCenterDatabase (with or without a namespace prefix);
///   GPX when it begins with an XML declaration ("<?xml") or a "<gpx" element;
/// - PLT when the first line holds "OziExplorer" (any letter case);
/// - IGC when the first line is a flight recorder's A record ("A" and a three-letter maker
///   code) and the second a header record ("H");
/// - None otherwise.
ReaderKind formatOfFirstBytes(std::string_view bytes);

/// The format the first bytes of a file show. Only a regular file is looked into: a pipe or a
/// device is neither waited for nor drained, and a file that cannot be opened shows None.
ReaderKind formatOfContent(const std::string& path);

}  // namespace vianora
