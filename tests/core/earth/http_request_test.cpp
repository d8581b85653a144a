#include "core/earth/http_request.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

using namespace std::string_literals;

RequestStatus statusOf(std::string_view received, std::size_t limit = kMaxRequestHeadBytes) {
  return parseRequestHead(received, limit).status;
}

TEST(ParseRequestHead, ReadsMethodTargetAndHost) {
  const RequestHead head = parseRequestHead(
      "GET /camera.kml?x=1 HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nAccept: */*\r\n\r\n");
  ASSERT_EQ(head.status, RequestStatus::Complete);
  EXPECT_EQ(head.request.method, "GET");
  EXPECT_EQ(head.request.target, "/camera.kml?x=1");
  EXPECT_EQ(head.request.host, "127.0.0.1:8080");
}

TEST(ParseRequestHead, TakesBareLineFeedsHttp10AndNoHost) {
  const RequestHead head = parseRequestHead("GET / HTTP/1.0\nUser-Agent: x\n\n");
  ASSERT_EQ(head.status, RequestStatus::Complete);
  EXPECT_EQ(head.request.target, "/");
  EXPECT_FALSE(head.request.host.has_value());
  EXPECT_EQ(parseRequestHead("GET / HTTP/1.1\r\nhOsT:  localhost \r\n\r\n").request.host,
            "localhost");
}

TEST(ParseRequestHead, WaitsForTheBlankLine) {
  EXPECT_EQ(statusOf(""), RequestStatus::Incomplete);
  EXPECT_EQ(statusOf("GET /camera.kml HTTP/1.1\r\n"), RequestStatus::Incomplete);
  EXPECT_EQ(statusOf("GET /camera.kml HTTP/1.1\r\nHost: a\r\n\r"), RequestStatus::Incomplete);
}

TEST(ParseRequestHead, IgnoresABodyAfterTheHead) {
  const RequestHead head = parseRequestHead("POST /camera.kml HTTP/1.1\r\n\r\n\x01\x02garbage");
  ASSERT_EQ(head.status, RequestStatus::Complete);
  EXPECT_EQ(head.request.method, "POST");
}

TEST(ParseRequestHead, RefusesWhatIsNotAnHttpHead) {
  EXPECT_EQ(statusOf("\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("hello there\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET camera.kml HTTP/1.1\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET http://x/camera.kml HTTP/1.1\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET /a b HTTP/1.1\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET / HTTP/2.0\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET / HTTP/1.1 \r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf(" GET / HTTP/1.1\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("G\xC3\xA9T / HTTP/1.1\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET /\xC3\xA9 HTTP/1.1\r\n\r\n"), RequestStatus::Malformed);
}

TEST(ParseRequestHead, RefusesBadHeaders) {
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\nNo colon\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\nBad name: x\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\nA: b\r\n folded\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\nHost: a\r\nHost: b\r\n\r\n"), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\nA: b\x7f\r\n\r\n"), RequestStatus::Malformed);
}

TEST(ParseRequestHead, RefusesControlBytesBeforeTheHeadIsWhole) {
  EXPECT_EQ(statusOf("GET /\0"s), RequestStatus::Malformed);
  EXPECT_EQ(statusOf("\x16\x03\x01\x02"), RequestStatus::Malformed);  // a TLS greeting
}

TEST(ParseRequestHead, GivesUpAtTheLimit) {
  const std::string longHead = "GET / HTTP/1.1\r\nX: " + std::string(5000, 'a');
  EXPECT_EQ(statusOf(longHead), RequestStatus::TooLarge);
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\n", 16), RequestStatus::TooLarge);
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\n", 17), RequestStatus::Incomplete);
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\n\r\n", 18), RequestStatus::Complete);
  // A blank line beyond the limit does not count.
  EXPECT_EQ(statusOf("GET / HTTP/1.1\r\n\r\n", 17), RequestStatus::TooLarge);
}

TEST(RequestPath, DropsTheQuery) {
  EXPECT_EQ(requestPath("/camera.kml?BBOX=1,2,3,4"), "/camera.kml");
  EXPECT_EQ(requestPath("/camera.kml"), "/camera.kml");
  EXPECT_EQ(requestPath("/?"), "/");
}

}  // namespace
}  // namespace vianora
