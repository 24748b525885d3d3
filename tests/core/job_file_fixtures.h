#pragma once
// Temporary folders, whole-file helpers and an independent iconv call for
// the job-file tests.
#include <iconv.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "job_fixtures.h"

namespace corvana::testing {

class TempDir {
 public:
  TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "corvana-jobfile-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// UTF-8 to another code page straight through iconv, not through the code
// under test.
inline std::string iconvForTest(std::string_view utf8, const char* codePage) {
  iconv_t cd = iconv_open(codePage, "UTF-8");
  if (cd == iconv_t(-1)) throw std::runtime_error("iconv_open failed");
  std::string out(utf8.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size(), outLeft = out.size();
  char* dst = out.data();
  const std::size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (r == std::size_t(-1)) throw std::runtime_error("iconv failed");
  out.resize(out.size() - outLeft);
  return out;
}

inline std::string toCodePageForTest(std::string_view utf8, std::string_view codePage) {
  return codePage == "UTF-8" ? std::string(utf8)
                             : iconvForTest(utf8, std::string(codePage).c_str());
}

}  // namespace corvana::testing
