#include "core/xml_layout_writer.h"

namespace corvana {

void XmlLayoutWriter::indent() {
  for (int i = 0; i < depth_; ++i) out_ += "    ";
}

void XmlLayoutWriter::open(std::string_view name) {
  indent();
  out_ += '<';
  out_ += name;
}

void XmlLayoutWriter::attribute(std::string_view name, std::string_view value) {
  const char quote = value.find('"') == std::string_view::npos ? '"' : '\'';
  out_ += ' ';
  out_ += name;
  out_ += '=';
  out_ += quote;
  for (const char ch : value) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '&': out_ += "&amp;"; break;
      case '<': out_ += "&lt;"; break;
      case '>': out_ += "&gt;"; break;
      case '"': out_ += "&quot;"; break;
      case '\'': out_ += "&apos;"; break;
      default:
        if (c < 32) {
          static constexpr char kHex[] = "0123456789ABCDEF";
          out_ += "&#x";
          out_ += kHex[c >> 4];
          out_ += kHex[c & 15];
          out_ += ';';
        } else {
          out_ += ch;
        }
    }
  }
  out_ += quote;
}

void XmlLayoutWriter::beginChildren() {
  out_ += '>';
  out_ += lineBreak_;
  ++depth_;
}

void XmlLayoutWriter::close(std::string_view name, bool hadChildren) {
  if (!hadChildren) {
    out_ += " />";
  } else {
    --depth_;
    indent();
    out_ += "</";
    out_ += name;
    out_ += '>';
  }
  out_ += lineBreak_;
}

}  // namespace corvana
