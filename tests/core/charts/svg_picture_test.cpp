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

}  // namespace
}  // namespace vianora
