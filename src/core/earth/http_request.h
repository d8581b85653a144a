#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vianora {

/// The parts of an HTTP request head that the camera server looks at.
struct HttpRequest {
  std::string method;               ///< "GET", "POST", ...
  std::string target;               ///< the path with any query: "/camera.kml?x=1"
  std::optional<std::string> host;  ///< the Host header's value, when there is one
};

/// How far the bytes received so far make a request head.
enum class RequestStatus {
  Incomplete,  ///< no blank line yet: wait for more bytes
  Complete,    ///< a well-formed head ending in a blank line
  Malformed,   ///< not an HTTP/1.x request head
  TooLarge,    ///< no blank line within the limit
};

/// A request head as far as it has been read.
struct RequestHead {
  RequestStatus status = RequestStatus::Incomplete;
  HttpRequest request;  ///< filled when Complete
};

/// The most of a request the camera server reads: its answers need no more than a request line
/// and a few headers.
inline constexpr std::size_t kMaxRequestHeadBytes = 4096;

/// Reads an HTTP/1.0 or 1.1 request head (lines ending in CR LF or LF) from the first bytes
/// of a connection. Only an origin-form target ("/path") is taken; a header folded over two
/// lines, two Host headers or a control character make the head malformed. Bytes after the
/// blank line (a body) are not looked at.
RequestHead parseRequestHead(std::string_view received, std::size_t limit = kMaxRequestHeadBytes);

/// The path of a request target: the target without its query.
std::string_view requestPath(std::string_view target);

}  // namespace vianora
