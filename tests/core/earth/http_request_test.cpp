#include "core/earth/http_request.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

using namespace std::string_literals;

// One letter per head: Complete, Incomplete, Malformed or TooLarge.
std::string statuses(std::initializer_list<std::string> heads, std::size_t limit = 4096) {
  std::string letters;
  for (const std::string& head : heads)
    letters += "ICMT"[int(parseRequestHead(head, limit).status)];
  return letters;
}

TEST(ParseRequestHead, ReadsMethodTargetAndHost) {
  const RequestHead head = parseRequestHead(
      "GET /camera.kml?x=1 HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nAccept: */*\r\n\r\nbody\x01");
  ASSERT_EQ(head.status, RequestStatus::Complete);
  EXPECT_EQ(head.request.method + " " + head.request.target, "GET /camera.kml?x=1");
  EXPECT_EQ(head.request.host, "127.0.0.1:8080");
  EXPECT_EQ(parseRequestHead("GET / HTTP/1.0\nUser-Agent: x\n\n").request.host, std::nullopt);
  EXPECT_EQ(parseRequestHead("POST / HTTP/1.1\r\nhOsT:  localhost \r\n\r\n").request.host,
            "localhost");
}

// Lines end in CR LF or LF; a control byte is refused before the head is whole.
TEST(ParseRequestHead, TellsCompleteHeadsFromPartsAndFromWhatIsNoHttpHead) {
  EXPECT_EQ(
      statuses({"GET / HTTP/1.0\n\n", "GET / HTTP/1.0\n\r\n", "GET / HTTP/1.1\r\n\r\n", "",
                "GET / HTTP/1.1\r\n", "GET / HTTP/1.1\r\nHost: a\r\n\r", "GET / HTTP/1.1\n\r"}),
      "CCCIIII");
  EXPECT_EQ(
      statuses({"\r\n\r\n", "hello there\r\n\r\n", "GET camera.kml HTTP/1.1\r\n\r\n",
                "GET http://x/ HTTP/1.1\r\n\r\n", "GET /a b HTTP/1.1\r\n\r\n",
                "GET / HTTP/2.0\r\n\r\n", "GET / HTTP/1.1 \r\n\r\n", " GET / HTTP/1.1\r\n\r\n",
                "G\xC3\xA9T / HTTP/1.1\r\n\r\n", "GET /\xC3\xA9 HTTP/1.1\r\n\r\n",
                "GET /\x7F HTTP/1.1\r\n\r\n", "GET /\0"s, "\x16\x03\x01\x02"}),
      "MMMMMMMMMMMMM");
  EXPECT_EQ(
      statuses({"GET / HTTP/1.1\r\nNo colon\r\n\r\n", "GET / HTTP/1.1\r\nBad name: x\r\n\r\n",
                "GET / HTTP/1.1\r\nA: b\r\n folded\r\n\r\n",
                "GET / HTTP/1.1\r\nHost: a\r\nHost: b\r\n\r\n",
                "GET / HTTP/1.1\r\nA: b\x7f\r\n\r\n", "GET / HTTP/1.1\r\nA: b\tc\xC3\xA9\r\n\r\n",
                "Z9!#$%&'*+-.^_`|~ / HTTP/1.1\r\n\r\n"}),
      "MMMMMCC");
}

// A blank line beyond the limit does not count.
TEST(ParseRequestHead, GivesUpAtTheLimit) {
  EXPECT_EQ(statuses({"GET / HTTP/1.1\r\nX: " + std::string(5000, 'a')}), "T");
  EXPECT_EQ(statuses({"GET / HTTP/1.1\r\n"}, 16) + statuses({"GET / HTTP/1.1\r\n"}, 17), "TI");
  EXPECT_EQ(statuses({"GET / HTTP/1.1\r\n\r\n"}, 18) + statuses({"GET / HTTP/1.1\r\n\r\n"}, 17),
            "CT");
  EXPECT_EQ(requestPath("/camera.kml?BBOX=1,2"), "/camera.kml");
  EXPECT_EQ(requestPath("/?"), "/");
}

}  // namespace
}  // namespace vianora
