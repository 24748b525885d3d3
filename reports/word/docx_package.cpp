#include "reports/word/docx_package.h"

#include <zip.h>

#include <unistd.h>
#include <cstdio>
#include <system_error>

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

bool writePackage(const PackageParts& parts, const std::filesystem::path& path,
                  std::string& error) {
  std::filesystem::path temporary = path;
  temporary += ".tmp" + std::to_string(::getpid());
  int code = 0;
  zip_t* zip = zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!zip) {
    error = path.string() + ": " + zipErrorText(code);
    return false;
  }
  for (const PackagePart& part : parts) {
    zip_source_t* source = zip_source_buffer(zip, part.bytes.data(), part.bytes.size(), 0);
    const zip_int64_t index =
        source ? zip_file_add(zip, part.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
    // The fastest deflate: a report of thousands of rows is mostly repeated
    // markup, which compresses well at any level.
    if (index < 0 || zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) < 0) {
      if (source && index < 0) zip_source_free(source);
      error = path.string() + ": " + zip_strerror(zip);
      zip_discard(zip);
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (zip_close(zip) != 0) {
    error = path.string() + ": " + zip_strerror(zip);
    zip_discard(zip);
    std::remove(temporary.c_str());
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    error = path.string() + ": " + ec.message();
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

PackagePart* findPart(PackageParts& parts, std::string_view name) {
  for (PackagePart& part : parts)
    if (part.name == name) return &part;
  return nullptr;
}

}  // namespace corvana
