// The look at a file just written: a PDF ends with its trailer, a zip
// package's directory reads whole; a file cut anywhere fails.
#include "core/written_file_check.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::TempFolder;
using testing::writeBytes;

std::string le(std::uint32_t value, int width) {
  std::string bytes;
  for (int i = 0; i < width; ++i) bytes += char((value >> (8 * i)) & 0xFF);
  return bytes;
}

// A zip of stored entries, laid out as every zip writer does: the local
// headers with their data, the central directory, the end record.
std::string zipOf(const std::vector<std::pair<std::string, std::string>>& entries,
                  const std::string& comment = {}) {
  std::string data, directory;
  for (const auto& [name, bytes] : entries) {
    const std::uint32_t offset = std::uint32_t(data.size());
    const std::string sizes =
        le(0, 4) + le(std::uint32_t(bytes.size()), 4) + le(std::uint32_t(bytes.size()), 4);
    data += "PK\x03\x04" + le(20, 2) + le(0, 2) + le(0, 2) + le(0, 4) + sizes +
            le(std::uint32_t(name.size()), 2) + le(0, 2) + name + bytes;
    directory += "PK\x01\x02" + le(20, 2) + le(20, 2) + le(0, 2) + le(0, 2) + le(0, 4) + sizes +
                 le(std::uint32_t(name.size()), 2) + le(0, 2) + le(0, 2) + le(0, 2) + le(0, 2) +
                 le(0, 4) + le(offset, 4) + name;
  }
  const auto count = std::uint32_t(entries.size());
  return data + directory + "PK\x05\x06" + le(0, 2) + le(0, 2) + le(count, 2) + le(count, 2) +
         le(std::uint32_t(directory.size()), 4) + le(std::uint32_t(data.size()), 4) +
         le(std::uint32_t(comment.size()), 2) + comment;
}

std::string missingFrom(const std::string& bytes, FileKind kind) {
  TempFolder folder;
  const std::string path = folder.file("written");
  writeBytes(path, bytes);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  EXPECT_GE(fd, 0);
  const std::string missing = missingFromWrittenFile(fd, kind);
  ::close(fd);
  return missing;
}

TEST(WrittenFileCheck, EachKindAndItsCutForms) {
  const std::string pdf = "%PDF-1.7\n" + std::string(5000, 'x') + "\n%%EOF";
  const std::string docx = zipOf({{"[Content_Types].xml", std::string(3000, 't')},
                                  {"word/document.xml", std::string(9000, 'd')}});
  const std::string withComment = zipOf({{"a", "b"}}, "a comment PK\x05\x06 with a false end");
  struct Case {
    const char* name;
    std::string bytes;
    FileKind kind;
    const char* missing;  // empty: whole
  };
  const Case cases[] = {
      {"any: nothing", "", FileKind::Any, ""},
      {"not empty: nothing", "", FileKind::NonEmpty, "nothing was written"},
      {"not empty: a byte", "x", FileKind::NonEmpty, ""},
      {"PDF", pdf, FileKind::Pdf, ""},
      {"PDF with a line end", pdf + "\r\n", FileKind::Pdf, ""},
      {"PDF cut before its trailer", pdf.substr(0, 4096), FileKind::Pdf,
       "no %%EOF trailer at the end of the PDF"},
      {"PDF cut inside its trailer", pdf.substr(0, pdf.size() - 2), FileKind::Pdf,
       "no %%EOF trailer at the end of the PDF"},
      {"PDF with junk after its trailer", pdf + "\nxref", FileKind::Pdf,
       "no %%EOF trailer at the end of the PDF"},
      {"no PDF header", "<html>%%EOF", FileKind::Pdf, "no PDF header"},
      {"empty PDF", "", FileKind::Pdf, "nothing was written"},
      {"zip", docx, FileKind::ZipPackage, ""},
      {"zip with a comment", withComment, FileKind::ZipPackage, ""},
      {"zip cut at 4 KiB", docx.substr(0, 4096), FileKind::ZipPackage,
       "no end record of the zip's central directory"},
      {"zip cut inside its directory", docx.substr(0, docx.size() - 30), FileKind::ZipPackage,
       "no end record of the zip's central directory"},
      {"zip without entries", zipOf({}), FileKind::ZipPackage, "a zip package without entries"},
      {"zip whose data is missing", docx.substr(12000), FileKind::ZipPackage,
       "the zip's central directory lies beyond the file"},
      {"too short", "PK", FileKind::ZipPackage, "too short for a zip package"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(missingFrom(c.bytes, c.kind), c.missing);
  }
}

}  // namespace
}  // namespace corvana
