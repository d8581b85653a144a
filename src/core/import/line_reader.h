#pragma once

#include <string>
#include <vector>

#include "core/import/input_file.h"

namespace vianora {

/// Reads a text file line by line. A line ends at CR, CR LF or a bare LF; the last line of a
/// file needs no line end, and a line end right before the end of the file starts no new line.
/// A line longer than `longestLine` bytes ends the reading before it takes more memory.
class LineReader {
 public:
  LineReader(InputFile& file, std::size_t longestLine)
      : file_(file), buffer_(InputFile::kChunkSize), longestLine_(longestLine) {}

  /// The next line, without its line end; false at the end of the file, after a failed read
  /// or at a line that is too long.
  bool next(std::string& line);
  /// True when reading stopped at a line longer than the longest allowed.
  bool lineTooLong() const { return lineTooLong_; }

 private:
  bool fill();
  bool atEnd();

  InputFile& file_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  std::size_t longestLine_;
  bool skipLineFeed_ = false;  // the last line ended with CR: a following LF belongs to it
  bool lineTooLong_ = false;
};

}  // namespace vianora
