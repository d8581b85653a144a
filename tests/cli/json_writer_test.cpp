#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "cli/utf8_text.h"

namespace vianora::cli {
namespace {

TEST(Utf8Text, KeepsValidTextAndReplacesEachInvalidByte) {
  EXPECT_EQ(validUtf8("Città \xE2\x82\xAC \xF0\x9F\x9A\xB2"),
            "Città \xE2\x82\xAC \xF0\x9F\x9A\xB2");
  EXPECT_EQ(validUtf8("caf\xE9"), "caf\xEF\xBF\xBD");                            // Latin-1 é
  EXPECT_EQ(validUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // overlong "/"
  EXPECT_EQ(validUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // a surrogate
  EXPECT_EQ(validUtf8("\xE2\x82"), "\xEF\xBF\xBD\xEF\xBF\xBD");  // cut short at the end
}

TEST(Utf8Text, WritesEveryByteOfAControlCharacterAsAnEscapeForTheTerminal) {
  EXPECT_EQ(terminalText("Città\xC2\xA0(trip 1)"), "Città\xC2\xA0(trip 1)");  // U+00A0 shows
  EXPECT_EQ(terminalText("\x1B]0;t\x07\t\x7F"), "\\x1b]0;t\\x07\\x09\\x7f");
  EXPECT_EQ(terminalText("\xC2\x80\xC2\x9B[2J"), "\\xc2\\x80\\xc2\\x9b[2J");  // C1: U+0080, CSI
  EXPECT_EQ(terminalText("\x9B[2J"), "\xEF\xBF\xBD[2J");  // a lone byte is no character
}

TEST(JsonWriter, EscapesStringsAndWritesNumbersInShortestForm) {
  EXPECT_EQ(jsonString("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001\"");
  EXPECT_EQ(jsonNumber(0.1), "0.1");
  EXPECT_EQ(jsonNumber(8844.43), "8844.43");
  EXPECT_EQ(jsonNumber(1e300), "1e+300");
  EXPECT_EQ(jsonNumber(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(jsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
}

TEST(JsonWriter, NestsObjectsAndArraysWithCommasInTheRightPlaces) {
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
