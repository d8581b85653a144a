#include "core/earth/http_request.h"

#include <algorithm>

#include "core/util/ascii.h"

namespace vianora {
namespace {

constexpr int kDelete = 0x7f;  // the one control character above the printable ones

// The characters of a method or header name (RFC 9110 "tchar"), ASCII whatever the locale.
bool isTokenChar(char c) {
  const bool alphanumeric =
      (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  return alphanumeric || std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool isToken(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

// Printable ASCII without space: what an origin-form target is made of.
bool isTarget(std::string_view text) {
  return !text.empty() && text.front() == '/' &&
         std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < kDelete; });
}

// A header value: printable ASCII, space, tab and bytes of other encodings.
bool isFieldValue(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte == '\t' || (byte >= ' ' && byte != kDelete);
  });
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool readRequestLine(std::string_view line, HttpRequest& request) {
  const auto firstSpace = line.find(' ');
  const auto lastSpace = line.rfind(' ');
  if (firstSpace == std::string_view::npos || lastSpace == firstSpace) return false;
  const std::string_view method = line.substr(0, firstSpace);
  const std::string_view target = line.substr(firstSpace + 1, lastSpace - firstSpace - 1);
  const std::string_view version = line.substr(lastSpace + 1);
  if (!isToken(method) || !isTarget(target)) return false;
  if (version != "HTTP/1.1" && version != "HTTP/1.0") return false;
  request.method = method;
  request.target = target;
  return true;
}

bool readHeaderLine(std::string_view line, HttpRequest& request) {
  const auto colon = line.find(':');
  if (colon == std::string_view::npos || !isToken(line.substr(0, colon))) return false;
  const std::string_view value = line.substr(colon + 1);
  if (!isFieldValue(value)) return false;
  if (!equalsIgnoringCase(line.substr(0, colon), "HOST")) return true;
  if (request.host) return false;  // two Hosts: which one is meant cannot be told
  request.host = std::string(trimmed(value));
  return true;
}

// The head's lines up to the blank one; Malformed at the first bad line.
RequestStatus readLines(std::string_view head, HttpRequest& request) {
  bool first = true;
  while (!head.empty()) {
    const auto end = head.find('\n');
    if (end == std::string_view::npos) break;
    std::string_view line = head.substr(0, end);
    head.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return first ? RequestStatus::Malformed : RequestStatus::Complete;
    const bool good = first ? readRequestLine(line, request) : readHeaderLine(line, request);
    if (!good) return RequestStatus::Malformed;
    first = false;
  }
  return RequestStatus::Malformed;
}

// The length of the head up to and including its blank line, or npos when it is not all here.
std::size_t headLength(std::string_view received) {
  for (std::size_t at = received.find('\n'); at != std::string_view::npos;
       at = received.find('\n', at + 1)) {
    if (at + 1 < received.size() && received[at + 1] == '\n') return at + 2;
    if (at + 2 < received.size() && received[at + 1] == '\r' && received[at + 2] == '\n') {
      return at + 3;
    }
  }
  return std::string_view::npos;
}

}  // namespace

RequestHead parseRequestHead(std::string_view received, std::size_t limit) {
  RequestHead head;
  const std::size_t length = headLength(received.substr(0, limit));
  if (length == std::string_view::npos) {
    // A NUL or another control byte never belongs in a head: no need to wait for the rest.
    const bool control = std::any_of(received.begin(), received.end(), [](char c) {
      const auto byte = static_cast<unsigned char>(c);
      return byte < ' ' && byte != '\r' && byte != '\n' && byte != '\t';
    });
    if (control)
      head.status = RequestStatus::Malformed;
    else if (received.size() >= limit)
      head.status = RequestStatus::TooLarge;
    return head;
  }
  head.status = readLines(received.substr(0, length), head.request);
  if (head.status != RequestStatus::Complete) head.request = {};
  return head;
}

std::string_view requestPath(std::string_view target) { return target.substr(0, target.find('?')); }

}  // namespace vianora
