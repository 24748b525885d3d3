#pragma once
// Builds XML text in the layout of TinyXML's printer (four spaces a level,
// attributes in the order given, " />" for an element without children,
// TinyXML's escaping and quote choice) straight into one buffer. Building a
// TinyXML document of 100 000 records and printing it takes seconds; this
// takes a fraction of that and gives the same bytes.
#include <string>
#include <string_view>

namespace corvana {

class XmlLayoutWriter {
 public:
  explicit XmlLayoutWriter(std::string_view lineBreak = "\r\n") : lineBreak_(lineBreak) {}

  void reserve(std::size_t bytes) { out_.reserve(bytes); }
  // "<name" at the current depth.
  void open(std::string_view name);
  // ` name="value"` (single quotes when the value holds a '"'); `value` is raw text.
  void attribute(std::string_view name, std::string_view value);
  // Ends the start tag of an element that has children: ">" and a line break.
  void beginChildren();
  // " />" for an element without children, or the end tag after its children.
  void close(std::string_view name, bool hadChildren);

  const std::string& text() const { return out_; }
  std::string take() { return std::move(out_); }

 private:
  void indent();
  std::string out_;
  std::string_view lineBreak_;
  int depth_ = 0;
};

}  // namespace corvana
