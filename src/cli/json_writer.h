#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vianora::cli {

/// Writes indented JSON into a stream as the keys and values are added, in order; the writer
/// puts the commas and the indentation. It keeps no text of its own: only which of the open
/// objects and arrays already hold an item.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void beginObject(std::string_view key = {});
  void endObject();
  void beginArray(std::string_view key = {});
  void endArray();

  void value(std::string_view key, std::string_view text);
  void value(std::string_view key, const char* text) { value(key, std::string_view(text)); }
  void value(std::string_view key, double number);
  void value(std::string_view key, std::optional<double> number);
  void value(std::string_view key, long long number);
  void value(std::string_view key, std::optional<long long> number);

 private:
  void startItem(std::string_view key);
  void close(char bracket);
  void indent();

  std::ostream& out_;
  std::vector<bool> hasItems_;  // one per open object or array
};

/// A JSON string literal of bytes taken as UTF-8; invalid bytes become U+FFFD.
std::string jsonString(std::string_view bytes);

/// A number in shortest round-trip form; null when it is not finite.
std::string jsonNumber(double number);

}  // namespace vianora::cli
