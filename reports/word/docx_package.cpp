#include "reports/word/docx_package.h"

#include <zip.h>

#include "core/file_io.h"

namespace corvana {
namespace {

std::string zipErrorText(int code) {
  zip_error_t e;
  zip_error_init_with_code(&e, code);
  std::string text = zip_error_strerror(&e);
  zip_error_fini(&e);
  return text;
}

}  // namespace

std::optional<PackageParts> readPackage(const std::filesystem::path& path, std::string& error) {
  int code = 0;
  zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &code);
  if (!zip) {
    error = path.string() + ": " + zipErrorText(code);
    return std::nullopt;
  }
  PackageParts parts;
  const zip_int64_t count = zip_get_num_entries(zip, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    if (zip_stat_index(zip, zip_uint64_t(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)) continue;
    std::string name = st.name;
    if (!name.empty() && name.back() == '/') continue;
    zip_file_t* file = zip_fopen_index(zip, zip_uint64_t(i), 0);
    if (!file) {
      error = path.string() + ": " + zip_strerror(zip);
      zip_discard(zip);
      return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    zip_int64_t n;
    while ((n = zip_fread(file, buffer, sizeof buffer)) > 0) bytes.append(buffer, std::size_t(n));
    zip_fclose(file);
    if (n < 0) {
      error = path.string() + ": " + name + " cannot be read";
      zip_discard(zip);
      return std::nullopt;
    }
    parts.push_back({std::move(name), std::move(bytes)});
  }
  zip_discard(zip);
  return parts;
}

namespace {

// The package built in memory: libzip writes a file of its own beside the
// one it is given and renames it over that, which would take the place of
// the temporary the file writer holds.
std::optional<std::string> packageBytes(const PackageParts& parts, std::string& error) {
  zip_error_t zipError;
  zip_error_init(&zipError);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &zipError);
  zip_t* zip = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &zipError) : nullptr;
  if (!zip) {
    error = zip_error_strerror(&zipError);
    zip_error_fini(&zipError);
    if (buffer) zip_source_free(buffer);
    return std::nullopt;
  }
  zip_error_fini(&zipError);
  // The buffer outlives the archive: its bytes are the package.
  zip_source_keep(buffer);
  for (const PackagePart& part : parts) {
    zip_source_t* source = zip_source_buffer(zip, part.bytes.data(), part.bytes.size(), 0);
    const zip_int64_t index =
        source ? zip_file_add(zip, part.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
    // The fastest deflate: a report of thousands of rows is mostly repeated
    // markup, which compresses well at any level.
    if (index < 0 || zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) < 0) {
      if (source && index < 0) zip_source_free(source);
      error = zip_strerror(zip);
      zip_discard(zip);
      zip_source_free(buffer);
      return std::nullopt;
    }
  }
  if (zip_close(zip) != 0) {
    error = zip_strerror(zip);
    zip_discard(zip);
    zip_source_free(buffer);
    return std::nullopt;
  }
  std::string bytes;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_source_stat(buffer, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
      zip_source_open(buffer) == 0) {
    bytes.resize(std::size_t(st.size));
    const zip_int64_t n = zip_source_read(buffer, bytes.data(), st.size);
    zip_source_close(buffer);
    if (n < 0 || zip_uint64_t(n) != st.size) bytes.clear();
  }
  zip_source_free(buffer);
  if (bytes.empty()) {
    error = "the package built in memory cannot be read back";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

bool writePackage(const PackageParts& parts, const std::filesystem::path& path,
                  std::string& error) {
  std::string why;
  const std::optional<std::string> bytes = packageBytes(parts, why);
  if (!bytes) {
    error = path.string() + ": " + why;
    return false;
  }
  const FileResult written = replaceFile(path.string(), *bytes, FileKind::ZipPackage);
  // The document's own name, even when it is its folder that failed.
  if (!written.ok()) error = path.string() + ": " + written.reason;
  return written.ok();
}

PackagePart* findPart(PackageParts& parts, std::string_view name) {
  for (PackagePart& part : parts)
    if (part.name == name) return &part;
  return nullptr;
}

}  // namespace corvana
