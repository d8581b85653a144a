#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli/utf8_text.h"

namespace vianora::cli {
namespace {

// Each invalid byte becomes U+FFFD; for the terminal, every byte of a control character is
// written as an escape (C1 included), and a lone byte is no character.
TEST(Utf8Text, KeepsValidTextAndReplacesInvalidBytesAndControls) {
  const std::string bad = "\xEF\xBF\xBD";
  EXPECT_EQ(validUtf8("Città € \xF0\x9F\x9A\xB2"), "Città € \xF0\x9F\x9A\xB2");
  EXPECT_EQ(validUtf8("caf\xE9|\xC0\xAF|\xED\xA0\x80|\xE2\x82"),
            "caf" + bad + "|" + bad + bad + "|" + bad + bad + bad + "|" + bad + bad);
  EXPECT_EQ(terminalText("Città\xC2\xA0(trip 1)\x1B]0;t\x07\t\x7F\xC2\x80\xC2\x9B[2J\x9B"),
            "Città\xC2\xA0(trip 1)\\x1b]0;t\\x07\\x09\\x7f\\xc2\\x80\\xc2\\x9b[2J" + bad);
}

TEST(JsonWriter, EscapesStringsWritesShortestNumbersAndNestsWithCommas) {
  EXPECT_EQ(jsonString("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\"");
  EXPECT_EQ(jsonNumber(0.1) + " " + jsonNumber(8844.43) + " " + jsonNumber(1e300) + " " +
                jsonNumber(HUGE_VAL) + " " + jsonNumber(std::nan("")),
            "0.1 8844.43 1e+300 null null");
  std::ostringstream out;
  JsonWriter json(out);
  json.beginObject();
  json.beginArray("trips");
  json.beginObject();
  json.value("index", 0LL);
  json.value("speed", std::optional<double>());
  json.endObject();
  json.endArray();
  json.beginArray("empty");
  json.endArray();
  json.endObject();
  EXPECT_EQ(out.str(),
            "{\n  \"trips\": [\n    {\n      \"index\": 0,\n      \"speed\": null\n    }\n  ],\n"
            "  \"empty\": []\n}\n");
}

}  // namespace
}  // namespace vianora::cli
