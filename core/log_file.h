#pragma once
// The program's log file: opened for appending and never emptied, so two
// programs that share one log keep each other's lines. Each line goes out in
// one write, which O_APPEND places whole at the end.
#include <string>
#include <string_view>

namespace corvana {

class LogFile {
 public:
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  // Opens `path` for appending, creating it; false when it cannot. A path
  // that is not a regular file (a FIFO, a device) is not opened.
  bool open(const std::string& path);
  bool isOpen() const { return fd_ >= 0; }
  // `line` and a line end; false when it was not written whole.
  bool append(std::string_view line);

 private:
  int fd_ = -1;
};

}  // namespace corvana
