#pragma once

#include <string>
#include <vector>

#include "import/input_file.h"

namespace vianora {

/// Reads a text file line by line. A line ends at CR, CR LF or a bare LF; the last line of a
/// file needs no line end, and a line end right before the end of the file starts no new line.
class LineReader {
 public:
  explicit LineReader(InputFile& file) : file_(file), buffer_(InputFile::kChunkSize) {}

  /// The next line, without its line end; false at the end of the file or after a failed read.
  bool next(std::string& line);

 private:
  bool fill();
  bool atEnd();

  InputFile& file_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  bool skipLineFeed_ = false;  // the last line ended with CR: a following LF belongs to it
};

}  // namespace vianora
