#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

#include "cli/utf8_text.h"

namespace vianora::cli {

void JsonWriter::indent() {
  out_ << '\n';
  for (std::size_t i = 0; i < hasItems_.size(); ++i) out_ << "  ";
}

void JsonWriter::startItem(std::string_view key) {
  if (!hasItems_.empty()) {
    if (hasItems_.back()) out_ << ',';
    hasItems_.back() = true;
    indent();
  }
  if (!key.empty()) out_ << jsonString(key) << ": ";
}

void JsonWriter::close(char bracket) {
  const bool hadItems = hasItems_.back();
  hasItems_.pop_back();
  if (hadItems) indent();
  out_ << bracket;
  if (hasItems_.empty()) out_ << '\n';
}

void JsonWriter::beginObject(std::string_view key) {
  startItem(key);
  out_ << '{';
  hasItems_.push_back(false);
}

void JsonWriter::endObject() { close('}'); }

void JsonWriter::beginArray(std::string_view key) {
  startItem(key);
  out_ << '[';
  hasItems_.push_back(false);
}

void JsonWriter::endArray() { close(']'); }

void JsonWriter::value(std::string_view key, std::string_view text) {
  startItem(key);
  out_ << jsonString(text);
}

void JsonWriter::value(std::string_view key, double number) {
  startItem(key);
  out_ << jsonNumber(number);
}

void JsonWriter::value(std::string_view key, std::optional<double> number) {
  startItem(key);
  out_ << (number ? jsonNumber(*number) : "null");
}

void JsonWriter::value(std::string_view key, long long number) {
  startItem(key);
  out_ << std::to_string(number);
}

void JsonWriter::value(std::string_view key, std::optional<long long> number) {
  startItem(key);
  out_ << (number ? std::to_string(*number) : "null");
}

std::string jsonNumber(double number) {
  if (!std::isfinite(number)) return "null";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  return std::string(buffer, result.ptr);
}

std::string jsonString(std::string_view bytes) {
  const std::string text = validUtf8(bytes);
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          appendHexByte(out, byte);
        } else {
          out += c;
        }
    }
  }
  return out + '"';
}

}  // namespace vianora::cli
