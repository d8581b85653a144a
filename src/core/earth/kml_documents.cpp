#include "core/earth/kml_documents.h"

#include "core/earth/kml_number.h"

namespace vianora {
namespace {

constexpr std::string_view kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n";
constexpr std::string_view kFooter = "</kml>\n";
constexpr std::string_view kLinkName = "vianora fly-through";

std::string xmlEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string element(std::string_view name, std::string_view text) {
  std::string out;
  out.append("<").append(name).append(">").append(text).append("</").append(name).append(">");
  return out;
}

// The children of LookAt in the order KML 2.2 requires.
std::string lookAtKml(const LookAt& view) {
  return "    <LookAt>\n      " + element("longitude", kmlNumber(view.longitude)) + "\n      " +
         element("latitude", kmlNumber(view.latitude)) + "\n      " +
         element("altitude", kmlNumber(view.altitude)) + "\n      " +
         element("heading", kmlNumber(view.heading)) + "\n      " +
         element("tilt", kmlNumber(view.tilt)) + "\n      " +
         element("range", kmlNumber(view.range)) + "\n      " +
         element("altitudeMode", altitudeModeName(view.altitudeMode)) + "\n    </LookAt>\n";
}

}  // namespace

std::string linkSecret(const std::function<std::uint32_t()>& random) {
  constexpr std::string_view kHexDigits = "0123456789abcdef";
  constexpr int kWords = 4;
  constexpr int kWordBits = 32;
  constexpr int kHexDigitBits = 4;
  constexpr std::uint32_t kHexDigitMask = (1u << kHexDigitBits) - 1;
  std::string secret;
  for (int word = 0; word < kWords; ++word) {
    const std::uint32_t bits = random();
    for (int shift = kWordBits - kHexDigitBits; shift >= 0; shift -= kHexDigitBits) {
      secret += kHexDigits[(bits >> shift) & kHexDigitMask];
    }
  }
  return secret;
}

std::string cameraPath(std::string_view secret) {
  return "/vianora/" + std::string(secret) + "/camera.kml";
}

std::string cameraUrl(std::uint16_t port, std::string_view secret) {
  return "http://127.0.0.1:" + std::to_string(port) + cameraPath(secret);
}

// An empty viewFormat keeps Google Earth from adding the visible area to the address, and
// viewRefreshMode never keeps moving the camera by hand from triggering extra fetches.
std::string launchKml(std::string_view cameraUrl, double refreshSeconds) {
  std::string kml(kHeader);
  kml += "  <NetworkLink>\n    " + element("name", kLinkName) + "\n    " +
         element("flyToView", "1") + "\n    <Link>\n      " +
         element("href", xmlEscaped(cameraUrl)) + "\n      " +
         element("refreshMode", "onInterval") + "\n      " +
         element("refreshInterval", kmlNumber(refreshSeconds)) + "\n      " +
         element("viewRefreshMode", "never") + "\n      <viewFormat></viewFormat>\n" +
         "    </Link>\n  </NetworkLink>\n";
  kml += kFooter;
  return kml;
}

// KML 2.2 puts minRefreshPeriod first in NetworkLinkControl and the view last.
std::string cameraKml(const std::optional<LookAt>& view, LinkRefresh refresh) {
  const bool stop = refresh == LinkRefresh::Stop;
  std::string kml(kHeader);
  if (view || stop) {
    kml += "  <NetworkLinkControl>\n";
    if (stop) kml += "    " + element("minRefreshPeriod", kmlNumber(kStoppedLinkSeconds)) + "\n";
    if (view) kml += lookAtKml(*view);
    kml += "  </NetworkLinkControl>\n";
  }
  kml += "  <Document>" + element("name", kLinkName) + "</Document>\n";
  kml += kFooter;
  return kml;
}

}  // namespace vianora
