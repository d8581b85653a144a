#include "core/import/line_reader.h"

#include <algorithm>

namespace vianora {

bool LineReader::fill() {
  pos_ = 0;
  size_ = file_.read(buffer_.data(), buffer_.size());
  return size_ > 0;
}

bool LineReader::atEnd() { return pos_ >= size_ && !fill(); }

bool LineReader::next(std::string& line) {
  line.clear();
  if (lineTooLong_) return false;
  if (skipLineFeed_) {
    skipLineFeed_ = false;
    if (!atEnd() && buffer_[pos_] == '\n') ++pos_;
  }
  if (atEnd()) return false;
  do {
    const char* begin = buffer_.data() + pos_;
    const char* end = buffer_.data() + size_;
    const char* stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
    if (line.size() + static_cast<std::size_t>(stop - begin) > longestLine_) {
      lineTooLong_ = true;
      return false;
    }
    line.append(begin, stop);
    pos_ += static_cast<std::size_t>(stop - begin);
    if (stop != end) {
      skipLineFeed_ = *stop == '\r';
      ++pos_;
      return true;
    }
  } while (!atEnd());
  return true;
}

}  // namespace vianora
