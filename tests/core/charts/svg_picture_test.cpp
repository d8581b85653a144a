#include "core/charts/svg_picture.h"

#include <gtest/gtest.h>

namespace vianora {
namespace {

// The header, solid lines and the layout are pinned by the golden charts.
TEST(SvgPicture, WritesVisibleLinesAndLabelsInTwipsWithEscapedCaptions) {
  ChartPicture picture;
  picture.lineSets = {{ChartLine{10, 20, 30, 40.5f, rgb(1, 2, 3), 2, LineStyle::Dot, true}},
                      {ChartLine{1, 1, 2, 2, rgb(9, 9, 9), 1, LineStyle::Solid, false}}};
  picture.labels = {ChartLabel{12.5f, 100, "a<&>\"b", true}, ChartLabel{0, 0, "hidden", false}};
  const std::string svg = svgOfPicture(picture);
  EXPECT_EQ(svg.substr(svg.find("<line")),
            "<line x1=\"10\" y1=\"20\" x2=\"30\" y2=\"40.5\" stroke=\"#010203\" "
            "stroke-width=\"30\" stroke-dasharray=\"15 30\"/>\n"
            "<text x=\"12.5\" y=\"260\">a&lt;&amp;&gt;&quot;b</text>\n"
            "</svg>\n");
}

// Images (base64 of their bytes: "a" is YQ==, "ab" YWI=, "abc" YWJj) first, then boxes.
TEST(SvgPicture, WritesImagesThenBoxesUnderTheLines) {
  ChartPicture picture;
  for (const char* bytes : {"a", "ab", "abc"}) picture.images.push_back({0, 15, 30, 45, bytes});
  picture.boxes = {ChartBox{1, 2, 4, 6, rgb(255, 0, 0), true, rgb(0, 0, 0), 2, BoxShape::Ellipse},
                   ChartBox{1, 2, 3, 4, 0, false, rgb(0, 0, 255), 0, BoxShape::Rectangle}};
  const std::string svg = svgOfPicture(picture);
  const std::string image =
      "<image x=\"0\" y=\"15\" width=\"30\" height=\"45\" preserveAspectRatio=\"none\" "
      "href=\"data:image/png;base64,";
  EXPECT_EQ(svg.substr(svg.find("<image")),
            image + "YQ==\"/>\n" + image + "YWI=\"/>\n" + image + "YWJj\"/>\n" +
                "<ellipse cx=\"3\" cy=\"5\" rx=\"2\" ry=\"3\" fill=\"#ff0000\" stroke=\"#000000\" "
                "stroke-width=\"30\"/>\n"
                "<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\" fill=\"none\"/>\n</svg>\n");
}

}  // namespace
}  // namespace vianora
