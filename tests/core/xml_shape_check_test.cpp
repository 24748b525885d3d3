#include "core/xml_shape_check.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

namespace corvana {
namespace {

std::string nested(const std::string& open, int levels) {
  std::string s;
  for (int i = 0; i < levels; ++i) s += open;
  return s;
}

TEST(XmlShapeCheck, AcceptsWhatJobFilesHold) {
  const char* accepted[] = {
      "<Job Name=\"a\" />\r\n<Standard Current=\"0\">\r\n    <Standard Name='b' "
      "/>\r\n</Standard>\r\n",
      "<?xml version=\"1.0\" encoding=\"GB2312\" ?><Job />",
      "<!-- a comment <a><a> --><Job />",
      "<Job><![CDATA[<a><a><a>]]></Job>",
      "<!DOCTYPE job><Job Name=\"&amp;&lt;&#x41;&#66;\">text &gt; more</Job>",
      "<Job /> trailing words TinyXML never reads <a><a><a><a>",
      "",
  };
  for (const char* text : accepted) EXPECT_EQ(checkXmlShape(text), std::nullopt) << text;
}

TEST(XmlShapeCheck, CountsDepthTheWayTinyXmlNests) {
  const XmlShapeLimits limits{4, 8};
  EXPECT_EQ(checkXmlShape(nested("<a>", 4) + nested("</a>", 4), limits), std::nullopt);
  EXPECT_NE(checkXmlShape(nested("<a>", 5) + nested("</a>", 5), limits), std::nullopt);
  // Closed siblings do not add up.
  EXPECT_EQ(checkXmlShape("<a>" + nested("<b></b><c />", 100) + "</a>", limits), std::nullopt);
  // Tricks that hide an end tag from a naive count but not from TinyXML:
  // a '>' or "</a>" inside quotes, and a character reference that TinyXML
  // lets run over a quote up to the next ';'.
  const char* hidden[] = {"<a x=\"</a>\">", "<a x='/>'>", "<a x=\"&#x\"x1;\">",
                          "<a><?xml version=\"a>b</a>\"?>", "<a>&#x</a>x1;"};
  for (const char* unit : hidden) {
    SCOPED_TRACE(unit);
    const std::string text = nested(unit, 10);
    EXPECT_NE(checkXmlShape(text, limits), std::nullopt);
  }
}

TEST(XmlShapeCheck, AgreesWithTinyXmlOnTheHiddenQuote) {
  // The reference swallows the first quote; the second one closes the value
  // and each unit opens an element: TinyXML nests them.
  const std::string unit = "<a x=\"&#x\"x1;\">";
  TiXmlDocument doc;
  doc.Parse((unit + unit + "</a></a>").c_str(), nullptr, TIXML_ENCODING_UTF8);
  ASSERT_FALSE(doc.Error()) << doc.ErrorDesc();
  ASSERT_NE(doc.FirstChildElement("a"), nullptr);
  EXPECT_NE(doc.FirstChildElement("a")->FirstChildElement("a"), nullptr);
  EXPECT_EQ(checkXmlShape(unit + unit + "</a></a>", XmlShapeLimits{2, 8}), std::nullopt);
  EXPECT_NE(checkXmlShape(unit + unit + "</a></a>", XmlShapeLimits{1, 8}), std::nullopt);
}

TEST(XmlShapeCheck, RefusesWhatTinyXmlReadsBadly) {
  std::string many = "<a";
  for (int i = 0; i < 9; ++i) many += " k" + std::to_string(i) + "=\"\"";
  many += " />";
  const std::pair<const char*, std::string> refused[] = {
      {"too many attributes", many},
      {"unclosed comment", "<a><!-- x"},
      {"unclosed CDATA", "<a><![CDATA[ x"},
      {"unclosed quote", "<a x=\"abc />"},
      {"unclosed declaration", "<?xml version=\"1\""},
      {"text running to the end", "<a>text"},
      {"NUL", std::string("<a>\0</a>", 8)},
      {"bad reference", "<a x=\"&#12a;\" />"},
      {"unquoted value with a quote", "<a x=y\" />"},
      {"slash without '>'", "<a / >"},
  };
  for (const auto& [name, text] : refused)
    EXPECT_NE(checkXmlShape(text, XmlShapeLimits{64, 8}), std::nullopt) << name;
}

}  // namespace
}  // namespace corvana
