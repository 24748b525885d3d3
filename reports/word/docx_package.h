#pragma once
// The parts of an OOXML package (a zip) held in memory by name, in the
// order they were read, and written back as a new zip.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvana {

struct PackagePart {
  std::string name;  // e.g. "word/document.xml"
  std::string bytes;
};

using PackageParts = std::vector<PackagePart>;

// Every entry of the zip at `path` (folders left out). On failure, empty with
// the reason in `error`.
std::optional<PackageParts> readPackage(const std::filesystem::path& path, std::string& error);

// Writes the parts into a zip at `path` through a temporary file beside it
// that is renamed over the target, so a failed write leaves no half file.
// False with the reason in `error` on failure.
bool writePackage(const PackageParts& parts, const std::filesystem::path& path, std::string& error);

PackagePart* findPart(PackageParts& parts, std::string_view name);

}  // namespace corvana
