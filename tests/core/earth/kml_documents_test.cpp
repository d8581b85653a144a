#include "core/earth/kml_documents.h"

#include <gtest/gtest.h>

#include <vector>

namespace vianora {
namespace {

std::size_t positionOf(const std::string& text, const std::string& wanted) {
  const std::size_t at = text.find(wanted);
  EXPECT_NE(at, std::string::npos) << wanted << " missing from\n" << text;
  return at;
}

TEST(LinkSecret, WritesFourRandomWordsAsThirtyTwoLowerCaseHexDigits) {
  const struct {
    std::vector<std::uint32_t> words;
    std::string secret;
  } cases[] = {
      {{0x01234567, 0x89ABCDEF, 0x00000000, 0xFFFFFFFF}, "0123456789abcdef00000000ffffffff"},
      {{0x0000000A, 0xA0000000, 0x00C0FFEE, 0x10000001}, "0000000aa000000000c0ffee10000001"},
  };
  for (const auto& c : cases) {
    std::size_t drawn = 0;
    EXPECT_EQ(linkSecret([&] { return c.words.at(drawn++); }), c.secret);
    EXPECT_EQ(drawn, 4u);
  }
}

TEST(CameraUrl, PointsAtTheLoopbackPortAndTheSecretPath) {
  EXPECT_EQ(cameraPath("00112233445566778899aabbccddeeff"),
            "/vianora/00112233445566778899aabbccddeeff/camera.kml");
  EXPECT_EQ(cameraUrl(54321, "00112233445566778899aabbccddeeff"),
            "http://127.0.0.1:54321/vianora/00112233445566778899aabbccddeeff/camera.kml");
}

TEST(LaunchKml, HoldsOneNetworkLinkThatFliesToEachAnswer) {
  const std::string kml = launchKml("http://127.0.0.1:8080/camera.kml", 0.5);
  EXPECT_EQ(kml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
  positionOf(kml, "<kml xmlns=\"http://www.opengis.net/kml/2.2\">");
  // KML 2.2 orders the children: flyToView before Link; href, refreshMode, refreshInterval.
  const std::size_t fly = positionOf(kml, "<flyToView>1</flyToView>");
  const std::size_t link = positionOf(kml, "<Link>");
  const std::size_t href = positionOf(kml, "<href>http://127.0.0.1:8080/camera.kml</href>");
  const std::size_t mode = positionOf(kml, "<refreshMode>onInterval</refreshMode>");
  const std::size_t interval = positionOf(kml, "<refreshInterval>0.5</refreshInterval>");
  EXPECT_LT(fly, link);
  EXPECT_LT(link, href);
  EXPECT_LT(href, mode);
  EXPECT_LT(mode, interval);
  EXPECT_EQ(kml.find("<NetworkLink>"), kml.rfind("<NetworkLink>"));
}

TEST(LaunchKml, EscapesTheAddress) {
  const std::string kml = launchKml("http://127.0.0.1:1/a?b=1&c=<2>", 1.25);
  positionOf(kml, "<href>http://127.0.0.1:1/a?b=1&amp;c=&lt;2&gt;</href>");
  positionOf(kml, "<refreshInterval>1.25</refreshInterval>");
}

TEST(CameraKml, CarriesTheViewInTheNetworkLinkControl) {
  LookAt view;
  view.latitude = 45.123456789;
  view.longitude = -7.5;
  view.altitude = 1000;
  view.heading = 0;
  view.tilt = 0;
  view.range = 1000;
  view.altitudeMode = AltitudeMode::RelativeToGround;
  const std::string kml = cameraKml(view);
  const std::size_t control = positionOf(kml, "<NetworkLinkControl>");
  const std::size_t lookAt = positionOf(kml, "<LookAt>");
  const std::size_t lon = positionOf(kml, "<longitude>-7.5</longitude>");
  const std::size_t lat = positionOf(kml, "<latitude>45.123456789</latitude>");
  const std::size_t alt = positionOf(kml, "<altitude>1000</altitude>");
  const std::size_t heading = positionOf(kml, "<heading>0</heading>");
  const std::size_t tilt = positionOf(kml, "<tilt>0</tilt>");
  const std::size_t range = positionOf(kml, "<range>1000</range>");
  const std::size_t mode = positionOf(kml, "<altitudeMode>relativeToGround</altitudeMode>");
  const std::size_t document = positionOf(kml, "<Document>");
  // KML 2.2's order: the control before the feature, LookAt's children as listed.
  EXPECT_LT(control, lookAt);
  EXPECT_LT(lookAt, lon);
  EXPECT_LT(lon, lat);
  EXPECT_LT(lat, alt);
  EXPECT_LT(alt, heading);
  EXPECT_LT(heading, tilt);
  EXPECT_LT(tilt, range);
  EXPECT_LT(range, mode);
  EXPECT_LT(mode, document);
}

TEST(CameraKml, WithoutAViewIsAnEmptyDocument) {
  const std::string kml = cameraKml(std::nullopt);
  EXPECT_EQ(kml.find("NetworkLinkControl"), std::string::npos);
  EXPECT_EQ(kml.find("LookAt"), std::string::npos);
  positionOf(kml, "<Document>");
  positionOf(kml, "</kml>");
}

// The whole document, so that the nesting is checked too: kml > NetworkLinkControl >
// minRefreshPeriod before the view, then the Document.
TEST(CameraKml, AStopAnswerHoldsBackTheLinkForAWeek) {
  LookAt view;
  view.latitude = 45.5;
  view.longitude = 7.25;
  view.altitude = 1000;
  view.range = 1000;
  view.altitudeMode = AltitudeMode::RelativeToGround;
  const std::string head =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
      "  <NetworkLinkControl>\n"
      "    <minRefreshPeriod>604800</minRefreshPeriod>\n";
  const std::string tail =
      "  </NetworkLinkControl>\n"
      "  <Document><name>vianora fly-through</name></Document>\n"
      "</kml>\n";
  const std::string lookAt =
      "    <LookAt>\n"
      "      <longitude>7.25</longitude>\n"
      "      <latitude>45.5</latitude>\n"
      "      <altitude>1000</altitude>\n"
      "      <heading>0</heading>\n"
      "      <tilt>0</tilt>\n"
      "      <range>1000</range>\n"
      "      <altitudeMode>relativeToGround</altitudeMode>\n"
      "    </LookAt>\n";
  EXPECT_EQ(cameraKml(view, LinkRefresh::Stop), head + lookAt + tail);
  EXPECT_EQ(cameraKml(std::nullopt, LinkRefresh::Stop), head + tail);  // stopped before point 0
}

}  // namespace
}  // namespace vianora
