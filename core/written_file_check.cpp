#include "core/written_file_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string_view>

namespace corvana {
namespace {

// Up to `size` bytes from `offset`; fewer only at the end of the file.
std::string readAt(int fd, off_t offset, std::size_t size) {
  std::string bytes(size, '\0');
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::pread(fd, bytes.data() + got, size - got, offset + off_t(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += std::size_t(n);
  }
  bytes.resize(got);
  return bytes;
}

std::uint32_t little(std::string_view bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
  return value;
}

bool isPdfSpace(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\0'; }

// The header first, the trailer last: a writer ends with "%%EOF" and at most
// a line end, and a file cut by a full disk has lost it.
std::string missingFromPdf(int fd, off_t size) {
  if (readAt(fd, 0, 5) != "%PDF-") return "no PDF header";
  constexpr off_t kTail = 1024;
  const off_t from = size > kTail ? size - kTail : 0;
  std::string tail = readAt(fd, from, std::size_t(size - from));
  while (!tail.empty() && isPdfSpace(tail.back())) tail.pop_back();
  if (!std::string_view(tail).ends_with("%%EOF")) return "no %%EOF trailer at the end of the PDF";
  return {};
}

// The end-of-central-directory record, the directory it points at and the
// first entry's local header: what an unzip reads before anything else.
std::string missingFromZip(int fd, off_t size) {
  constexpr std::size_t kEndRecord = 22;
  constexpr std::size_t kMaxComment = 0xFFFF;
  if (size < off_t(kEndRecord)) return "too short for a zip package";
  const off_t tailFrom =
      size > off_t(kEndRecord + kMaxComment) ? size - off_t(kEndRecord + kMaxComment) : 0;
  const std::string tail = readAt(fd, tailFrom, std::size_t(size - tailFrom));
  std::size_t at = std::string::npos;
  for (std::size_t i = tail.size() - kEndRecord + 1; i-- > 0;) {
    // The record's own comment length must reach exactly to the end.
    if (tail.compare(i, 4, "PK\x05\x06") == 0 &&
        i + kEndRecord + little(tail, i + 20, 2) == tail.size()) {
      at = i;
      break;
    }
  }
  if (at == std::string::npos) return "no end record of the zip's central directory";
  const std::uint32_t entries = little(tail, at + 10, 2);
  const std::uint32_t directorySize = little(tail, at + 12, 4);
  const std::uint32_t directoryOffset = little(tail, at + 16, 4);
  // Zip64 keeps the real numbers elsewhere; its locator sits just before.
  if (entries == 0xFFFF || directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF) {
    if (at >= 20 && tail.compare(at - 20, 4, "PK\x06\x07") == 0) return {};
    return "a zip64 end record without its locator";
  }
  const off_t endRecord = tailFrom + off_t(at);
  if (entries == 0) return "a zip package without entries";
  if (off_t(directoryOffset) + off_t(directorySize) > endRecord)
    return "the zip's central directory lies beyond the file";
  const std::string directory = readAt(fd, off_t(directoryOffset), directorySize);
  if (directory.size() != directorySize) return "the zip's central directory cannot be read";
  std::size_t p = 0;
  for (std::uint32_t n = 0; n < entries; ++n) {
    constexpr std::size_t kHeader = 46;
    if (p + kHeader > directory.size() || directory.compare(p, 4, "PK\x01\x02") != 0)
      return "the zip's central directory is cut short";
    if (little(directory, p + 42, 4) >= directoryOffset)
      return "a zip entry starts beyond the data";
    p += kHeader + little(directory, p + 28, 2) + little(directory, p + 30, 2) +
         little(directory, p + 32, 2);
  }
  if (p > directory.size()) return "the zip's central directory is cut short";
  if (readAt(fd, off_t(little(directory, 42, 4)), 4) != "PK\x03\x04")
    return "the zip's first entry has no header";
  return {};
}

}  // namespace

std::string missingFromWrittenFile(int fd, FileKind kind) {
  if (kind == FileKind::Any) return {};
  struct stat st {};
  if (::fstat(fd, &st) != 0) return "the written file cannot be measured";
  if (st.st_size == 0) return "nothing was written";
  switch (kind) {
    case FileKind::Any:
    case FileKind::NonEmpty: return {};
    case FileKind::Pdf: return missingFromPdf(fd, st.st_size);
    case FileKind::ZipPackage: return missingFromZip(fd, st.st_size);
  }
  return {};
}

}  // namespace corvana
