#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/earth/http_request.h"

namespace vianora {

/// What the camera server does with a complete request.
enum class RequestAnswer {
  Document,          ///< a GET of the path it serves: 200 with the document
  NotFound,          ///< a GET of any other path: 404
  MethodNotAllowed,  ///< any other method: 405, and nothing else happens
  Refuse,            ///< a Host other than this machine's loopback: close without a word
};

/// The answer to `request` from a server on 127.0.0.1:`port` that serves one document at
/// `servedPath`. The Host check keeps web pages that rename a site to 127.0.0.1 (DNS
/// rebinding) from reading the trip; a request without a Host (HTTP/1.0) is taken.
RequestAnswer answerFor(const HttpRequest& request, std::string_view servedPath,
                        std::uint16_t port);

/// The whole HTTP response of an answer other than Refuse; the connection closes after it.
/// `document` is the body of a Document answer, KML text.
std::string responseText(RequestAnswer answer, std::string_view document);

}  // namespace vianora
