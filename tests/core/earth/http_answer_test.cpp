#include "core/earth/http_answer.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

constexpr std::string_view kPath = "/vianora/00112233445566778899aabbccddeeff/camera.kml";

// One letter per request: Document, Not found, Method not allowed or Refuse.
std::string answers(const std::string& method, std::initializer_list<std::string> targets,
                    std::optional<std::string> host = std::nullopt) {
  std::string letters;
  for (const std::string& target : targets) {
    letters += "DNMR"[int(answerFor({method, target, host}, kPath, 8080))];
  }
  return letters;
}

TEST(AnswerFor, ServesOnlyAGetOfTheServedPathFromThisMachinesLoopback) {
  const std::string path(kPath);
  EXPECT_EQ(answers("GET", {path, path + "?BBOX=1,2", "/", "/camera.kml", path + "/",
                            "/vianora/00112233445566778899aabbccddeeff",
                            "/vianora/10112233445566778899aabbccddeeff/camera.kml",
                            "/vianora/00112233445566778899aabbccddeefe/camera.kml",
                            "/vianora/00112233445566778899AABBCCDDEEFF/camera.kml"}),
            "DDNNNNNNN");
  EXPECT_EQ(answers("POST", {path}) + answers("HEAD", {path}) + answers("get", {path}), "MMM");
  std::string hosts;
  for (const char* host : {"127.0.0.1:8080", "LocalHost:8080", "127.0.0.1", "127.0.0.1:8081",
                           "evil.example:8080", "127.0.0.1.evil.example:8080", ""}) {
    hosts += answers("GET", {path}, host);
  }
  EXPECT_EQ(hosts + answers("POST", {"/"}, "evil.example"), "DDDRRRRR");
}

TEST(ResponseText, SendsTheKmlWithItsLengthAndNothingElseToOtherRequests) {
  EXPECT_EQ(responseText(RequestAnswer::Document, "<kml/>"),
            "HTTP/1.1 200 OK\r\n"
            "Content-Type: application/vnd.google-earth.kml+xml; charset=utf-8\r\n"
            "Content-Length: 6\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n<kml/>");
  EXPECT_EQ(responseText(RequestAnswer::MethodNotAllowed, "<kml/>"),
            "HTTP/1.1 405 Method Not Allowed\r\nContent-Type: text/plain; charset=utf-8\r\n"
            "Content-Length: 19\r\nCache-Control: no-store\r\nAllow: GET\r\nConnection: close\r\n"
            "\r\nOnly GET is served\n");
  EXPECT_EQ(responseText(RequestAnswer::NotFound, "<kml/>").substr(0, 24),
            "HTTP/1.1 404 Not Found\r\n");
  EXPECT_EQ(responseText(RequestAnswer::NotFound, "<kml/>").find("<kml/>"), std::string::npos);
  EXPECT_EQ(responseText(RequestAnswer::Refuse, "<kml/>"), "");
}

}  // namespace
}  // namespace vianora
