#pragma once

#include <cstddef>
#include <string_view>

namespace vianora {

/// What a search in a GrowingText answers when what it looks for was not in the text made so
/// far: it may still come.
inline constexpr std::size_t kNotMadeYet = std::string_view::npos - 1;

/// A text that may still be being made while it is read: the characters made so far never
/// move or change, and more come until the text is complete. Reading a big file's text while
/// the file is still being read keeps both cores busy, and lets the memory of what was read
/// go before the rest is made.
class GrowingText {
 public:
  virtual ~GrowingText() = default;

  /// The characters made so far.
  std::string_view made() const { return {data_, size_}; }
  bool complete() const { return complete_; }
  /// How long the text will be at most (a file's size); its length once complete.
  std::size_t expectedSize() const { return complete_ ? size_ : expected_; }

  /// Waits until more of the text is made or the text is complete; false when it was already
  /// complete, so that nothing more can come.
  virtual bool grow() = 0;

  /// Nothing before `position` will be looked at again.
  virtual void release(std::size_t position) { (void)position; }

 protected:
  const char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t expected_ = 0;
  bool complete_ = false;
};

/// A text made whole before it is read.
class WholeText final : public GrowingText {
 public:
  explicit WholeText(std::string_view text) {
    data_ = text.data();
    size_ = expected_ = text.size();
    complete_ = true;
  }
  bool grow() override { return false; }
};

/// A whole text shown `step` more characters at a time: a reader sees it grow at every place
/// it can be cut, the same way each time.
class TextInSteps final : public GrowingText {
 public:
  TextInSteps(std::string_view text, std::size_t step) : text_(text), step_(step == 0 ? 1 : step) {
    data_ = text.data();
    expected_ = text.size();
    complete_ = text.empty();
  }
  bool grow() override {
    if (complete_) return false;
    size_ = text_.size() - size_ > step_ ? size_ + step_ : text_.size();
    complete_ = size_ == text_.size();
    return true;
  }

 private:
  std::string_view text_;
  std::size_t step_;
};

}  // namespace vianora
