#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vianora::cli {

/// Writes indented JSON into a string. Keys and values are added in order; the writer puts
/// the commas and the indentation.
class JsonWriter {
 public:
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

  const std::string& text() const { return out_; }

 private:
  void startItem(std::string_view key);
  void close(char bracket);

  std::string out_;
  std::vector<bool> hasItems_;  // one per open object or array
};

/// A JSON string literal of bytes taken as UTF-8; invalid bytes become U+FFFD.
std::string jsonString(std::string_view bytes);

/// A number in shortest round-trip form; null when it is not finite.
std::string jsonNumber(double number);

}  // namespace vianora::cli
