// The fast record-element reader against TinyXML itself: what it accepts it
// must read exactly as TinyXML does, and the forms TinyXML refuses or reads
// in its own way it must leave to TinyXML.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>
#include <utility>
#include <vector>

#include "core/record_elements.h"

namespace corvana {
namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

// TinyXML's reading of the records: every child of <Sample>, which must be
// an element named Sample, with its attributes.
std::vector<Attributes> tinyXmlRecords(const std::string& content, bool& clean) {
  const std::string text = "<Sample>" + content + "</Sample>";
  TiXmlDocument doc;
  doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
  clean = !doc.Error();
  std::vector<Attributes> records;
  const TiXmlElement* outer = doc.FirstChildElement();
  if (!outer) return records;
  for (const TiXmlNode* n = outer->FirstChild(); n; n = n->NextSibling()) {
    const TiXmlElement* e = n->ToElement();
    if (!e || std::string(e->Value()) != "Sample") clean = false;
    if (!e) continue;
    Attributes a;
    for (const TiXmlAttribute* at = e->FirstAttribute(); at; at = at->Next())
      a.emplace_back(at->Name(), at->Value());
    records.push_back(std::move(a));
  }
  return records;
}

std::vector<Attributes> fastRecords(const std::vector<std::string_view>& tags) {
  std::vector<Attributes> records;
  for (std::string_view tag : tags) {
    RecordTagAttributes reader(tag);
    Attributes a;
    std::string_view name, value;
    while (reader.next(name, value)) a.emplace_back(std::string(name), std::string(value));
    records.push_back(std::move(a));
  }
  return records;
}

TEST(RecordElements, AcceptedFormsReadAsTinyXmlReadsThem) {
  const std::vector<std::string> accepted = {
      "",
      "\r\n    ",
      "\r\n        <Sample Name=\"S1\" Material=\"\" CLM=\"SCI\" Reflect1=\"0.5\" Time=\"2014/5/6 "
      "9:30:00\" />\r\n"
      "        <Sample Name=\"S2\" UseReflect=\"0\" L=\"50\" a=\"1\" b=\"-2\" />\r\n    ",
      "<Sample/>",
      "<Sample\tName='single \"quoted\"'/>",
      "<Sample Name=\"a\"Material=\"b\"/>",  // no blank between attributes
      "<Sample Name \r\n= \t\"spaced\" />",  // blanks around '='
      "<Sample Name=\"a &lt;b&gt; &amp; &quot;c&quot; &apos;d&apos;\" />",
      "<Sample Name=\"&#x41;&#66;&#x1;&#x9;&#13;\" />",              // numeric references
      "<Sample Name=\"&#x4E2D;&#25991; &#x1F600;\" />",              // beyond ASCII
      "<Sample Name=\"&#xD800;&#x10FFFF;&#x110000;&#x1FFFFF;\" />",  // TinyXML's own bytes for
                                                                     // these
      "<Sample Name=\"raw < and > in a value\" />",
      "<Sample Name=\"中文名 試樣\" Material=\"棉\" />",
      "<Sample Foo=\"1\" Bar=\"2\" foo=\"3\" />",   // unknown names, letter case differs
      "<Sample Reflect01=\"1\" Reflect1=\"2\" />",  // "Reflect01" is not Reflect1
      "<Sample _x.y:z-1=\"v\" />",
      "<Sample Name=\"\" />",
  };
  for (const std::string& content : accepted) {
    SCOPED_TRACE(content);
    const auto tags = findRecordElements(content, "Sample");
    ASSERT_TRUE(tags.has_value());
    bool clean = false;
    const auto expected = tinyXmlRecords(content, clean);
    ASSERT_TRUE(clean);
    EXPECT_EQ(fastRecords(*tags), expected);
  }
}

TEST(RecordElements, OtherFormsAreLeftToTinyXml) {
  const std::vector<std::string> declined = {
      "<Sample Name=\"a\" Name=\"b\" />",  // TinyXML refuses a repeated attribute
      "<Sample Foo=\"a\" Foo=\"b\" />",
      "<Sample Reflect7=\"1\" Reflect7=\"2\" />",
      "<Sample Name=unquoted />",
      "<Sample Name=\"a\" / >",        // TinyXML refuses the blank
      "<Sample Name=\"a\"></Sample>",  // a record with content
      "<Sample Name=\"a\">text</Sample>",
      "<Sample Name=\"&foo;\" />",  // TinyXML keeps an unknown reference
      "<Sample Name=\"&amp\" />",
      "<Sample Name=\"&#0;\" />",  // would cut the value
      "<Sample Name=\"&#;\" />",
      "<Sample Name=\"&#x;\" />",
      "<Sample Name=\"&#X41;\" />",  // TinyXML refuses an upper-case X
      "<Sample Name=\"&#12a;\" />",
      "<Sample Name=\"&#x2000000;\" />",  // too large for TinyXML to write
      "<Sample Name=\"&#12345678;\" />",
      "<Sample Name=\"a\"",  // unterminated
      "<Sample Name=\"a",
      "<Sample Name",
      "<Sample",
      "<Samples Name=\"a\" />",  // another element
      "<Standard Name=\"a\" />",
      "< Sample Name=\"a\" />",
      "<!-- a comment --><Sample />",
      "stray text <Sample />",
      "<Sample />\v",                  // a blank only TinyXML knows
      "\xEF\xBB\xBF<Sample />",        // a byte-order mark between records
      "<Sample Nam\xC3\xA9=\"a\" />",  // TinyXML takes the letter into the name
      "<Sample 1=\"a\" />",
      "<Sample =\"a\" />",
  };
  for (const std::string& content : declined) {
    SCOPED_TRACE(content);
    EXPECT_FALSE(findRecordElements(content, "Sample").has_value());
  }
}

TEST(RecordElements, ListNameDecidesTheRecordName) {
  const std::string content = "<Standard Name=\"x\" /><Standard Name=\"y\" />";
  const auto tags = findRecordElements(content, "Standard");
  ASSERT_TRUE(tags.has_value());
  ASSERT_EQ(tags->size(), 2u);
  EXPECT_EQ((*tags)[1], "<Standard Name=\"y\" />");
  EXPECT_FALSE(findRecordElements(content, "Sample").has_value());
}

TEST(RecordElements, PlainEndTags) {
  const std::pair<std::string_view, bool> cases[] = {
      {"</Sample>", true},   {"</Sample \r\n\t>rest", true},
      {"</Samples>", false}, {"</sample>", false},
      {"</Sample", false},   {"</Sample \v>", false},
      {"<Sample>", false},   {"", false},
  };
  for (const auto& [text, plain] : cases) EXPECT_EQ(isPlainEndTag(text, "Sample"), plain) << text;
}

}  // namespace
}  // namespace corvana
