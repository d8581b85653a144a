#include "core/earth/http_answer.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

HttpRequest request(std::string method, std::string target,
                    std::optional<std::string> host = std::nullopt) {
  return {std::move(method), std::move(target), std::move(host)};
}

constexpr std::string_view kPath = "/vianora/00112233445566778899aabbccddeeff/camera.kml";

TEST(AnswerFor, ServesOnlyAGetOfTheServedPath) {
  const struct {
    const char* target;
    RequestAnswer answer;
  } cases[] = {
      {"/vianora/00112233445566778899aabbccddeeff/camera.kml", RequestAnswer::Document},
      {"/vianora/00112233445566778899aabbccddeeff/camera.kml?BBOX=1,2", RequestAnswer::Document},
      {"/", RequestAnswer::NotFound},
      {"/camera.kml", RequestAnswer::NotFound},
      {"/vianora/camera.kml", RequestAnswer::NotFound},
      {"/vianora/00112233445566778899aabbccddeeff", RequestAnswer::NotFound},
      {"/vianora/00112233445566778899aabbccddeeff/camera.kml/", RequestAnswer::NotFound},
      {"/vianora/10112233445566778899aabbccddeeff/camera.kml", RequestAnswer::NotFound},
      {"/vianora/00112233445566778899aabbccddeefe/camera.kml", RequestAnswer::NotFound},
      {"/vianora/00112233445566778899AABBCCDDEEFF/camera.kml", RequestAnswer::NotFound},
      {"/vianora/00112233445566778899aabbccddeeff0/camera.kml", RequestAnswer::NotFound},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(answerFor(request("GET", c.target), kPath, 8080), c.answer) << c.target;
  }
  for (const char* method : {"POST", "HEAD", "PUT", "DELETE", "get"}) {
    EXPECT_EQ(answerFor(request(method, std::string(kPath)), kPath, 8080),
              RequestAnswer::MethodNotAllowed)
        << method;
  }
}

TEST(AnswerFor, TakesOnlyThisMachinesLoopbackAsHost) {
  const auto answer = [](const char* host) {
    return answerFor(request("GET", std::string(kPath), host), kPath, 8080);
  };
  EXPECT_EQ(answer("127.0.0.1:8080"), RequestAnswer::Document);
  EXPECT_EQ(answer("localhost:8080"), RequestAnswer::Document);
  EXPECT_EQ(answer("LocalHost:8080"), RequestAnswer::Document);
  EXPECT_EQ(answer("127.0.0.1"), RequestAnswer::Document);
  EXPECT_EQ(answer("127.0.0.1:8081"), RequestAnswer::Refuse);
  EXPECT_EQ(answer("evil.example:8080"), RequestAnswer::Refuse);
  EXPECT_EQ(answer("127.0.0.1.evil.example:8080"), RequestAnswer::Refuse);
  EXPECT_EQ(answer(""), RequestAnswer::Refuse);
}

TEST(ResponseText, SendsTheKmlWithItsLengthAndCloses) {
  const std::string text = responseText(RequestAnswer::Document, "<kml/>");
  EXPECT_EQ(text,
            "HTTP/1.1 200 OK\r\n"
            "Content-Type: application/vnd.google-earth.kml+xml; charset=utf-8\r\n"
            "Content-Length: 6\r\n"
            "Cache-Control: no-store\r\n"
            "Connection: close\r\n"
            "\r\n"
            "<kml/>");
}

TEST(ResponseText, AnswersOtherPathsAndMethodsWithoutTheDocument) {
  const std::string notFound = responseText(RequestAnswer::NotFound, "<kml/>");
  EXPECT_EQ(notFound.rfind("HTTP/1.1 404 Not Found\r\n", 0), 0u);
  EXPECT_EQ(notFound.find("<kml/>"), std::string::npos);
  const std::string notAllowed = responseText(RequestAnswer::MethodNotAllowed, "<kml/>");
  EXPECT_EQ(notAllowed.rfind("HTTP/1.1 405 Method Not Allowed\r\n", 0), 0u);
  EXPECT_NE(notAllowed.find("\r\nAllow: GET\r\n"), std::string::npos);
  EXPECT_EQ(notAllowed.find("<kml/>"), std::string::npos);
  EXPECT_TRUE(responseText(RequestAnswer::Refuse, "<kml/>").empty());
}

}  // namespace
}  // namespace vianora
