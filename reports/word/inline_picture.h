#pragma once
// A picture in a word-processor document: the image part in word/media, its
// relationship from the main document, the content type of its extension,
// and the inline drawing that shows it in the text flow.
#include <string>
#include <string_view>

#include "reports/word/docx_package.h"
#include "reports/word/drawing_shape.h"

class TiXmlElement;

namespace corvana {

// True when the bytes begin with the PNG signature.
bool isPng(std::string_view bytes);

// Adds word/media/<name> and a relationship to it from word/document.xml;
// returns the relationship id, empty with `error` set on failure.
std::string addImagePart(PackageParts& parts, std::string_view extension,
                         std::string_view contentType, std::string bytes, std::string& error);

// <w:r><w:drawing><wp:inline> of the relationship's image, widthPt x heightPt.
TiXmlElement inlinePictureRun(const std::string& relationshipId, int id, double widthPt,
                              double heightPt);

}  // namespace corvana
