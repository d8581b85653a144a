#include "core/earth/http_answer.h"

#include "core/util/ascii.h"

namespace vianora {
namespace {

constexpr std::string_view kKmlType = "application/vnd.google-earth.kml+xml; charset=utf-8";
constexpr std::string_view kTextType = "text/plain; charset=utf-8";

bool isLoopbackHost(std::string_view host, std::uint16_t port) {
  const auto colon = host.rfind(':');
  const std::string_view name = host.substr(0, colon);
  if (name != "127.0.0.1" && !equalsIgnoringCase(name, "LOCALHOST")) return false;
  return colon == std::string_view::npos || host.substr(colon + 1) == std::to_string(port);
}

// Looks at every byte whatever the first difference, so that the time an answer takes tells
// nothing of how much of the path's secret a guess got right.
bool equalsInConstantTime(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  unsigned difference = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    difference |= static_cast<unsigned char>(a[i]) ^ static_cast<unsigned char>(b[i]);
  }
  return difference == 0;
}

std::string response(std::string_view status, std::string_view type, std::string_view body,
                     std::string_view extraHeaders = {}) {
  std::string text = "HTTP/1.1 " + std::string(status) + "\r\n";
  text += "Content-Type: " + std::string(type) + "\r\n";
  text += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  // Each fetch must reach the server: the document changes with every point.
  text += "Cache-Control: no-store\r\n";
  text += extraHeaders;
  text += "Connection: close\r\n\r\n";
  text += body;
  return text;
}

}  // namespace

RequestAnswer answerFor(const HttpRequest& request, std::string_view servedPath,
                        std::uint16_t port) {
  if (request.host && !isLoopbackHost(*request.host, port)) return RequestAnswer::Refuse;
  if (request.method != "GET") return RequestAnswer::MethodNotAllowed;
  if (!equalsInConstantTime(requestPath(request.target), servedPath)) {
    return RequestAnswer::NotFound;
  }
  return RequestAnswer::Document;
}

std::string responseText(RequestAnswer answer, std::string_view document) {
  switch (answer) {
    case RequestAnswer::Document:
      return response("200 OK", kKmlType, document);
    case RequestAnswer::NotFound:
      return response("404 Not Found", kTextType, "Not found\n");
    case RequestAnswer::MethodNotAllowed:
      return response("405 Method Not Allowed", kTextType, "Only GET is served\n",
                      "Allow: GET\r\n");
    case RequestAnswer::Refuse:
      break;
  }
  return {};
}

}  // namespace vianora
