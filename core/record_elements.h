#pragma once
// A fast reader for the record elements of a job file's Standard and Sample
// lists. They are nearly all of a large file, and TinyXML builds a node and
// allocates every name and value of each. This reader accepts only the plain
// form the program writes -- blanks and self-closed elements with quoted
// attributes -- and for that form reads exactly what TinyXML reads. For
// anything else it declines, and TinyXML reads the list.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvana {

// The record tags ("<Sample ... />") in the content of a list element named
// `name` (the text between its start and end tags), in order; nullopt when
// the content holds anything else, or a tag TinyXML would refuse or read
// differently (repeated attributes, unquoted values, unusual references).
std::optional<std::vector<std::string_view>> findRecordElements(std::string_view content,
                                                                std::string_view name);

// True when `text` starts with the end tag "</name>", blanks allowed only
// before the '>', where TinyXML reads the end tag the same way.
bool isPlainEndTag(std::string_view text, std::string_view name);

// The attributes of a tag that findRecordElements returned, with character
// references resolved as TinyXML resolves them.
class RecordTagAttributes {
 public:
  explicit RecordTagAttributes(std::string_view tag);
  // False after the last attribute. `value` stays valid until the next call.
  bool next(std::string_view& name, std::string_view& value);

 private:
  std::string_view tag_;
  std::size_t i_ = 0;
  std::string decoded_;
};

}  // namespace corvana
