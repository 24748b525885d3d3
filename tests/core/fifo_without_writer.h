#pragma once
// A FIFO that nobody writes: a program that opens it for reading and waits
// would wait forever. A helper thread waits to open it for writing, which
// ends such a wait with no data at all, so a reader that blocks fails its
// test instead of hanging it; when the test ends the helper is let go.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace corvana::testing {

class FifoWithoutWriter {
 public:
  explicit FifoWithoutWriter(std::string path) : path_(std::move(path)) {
    made_ = ::mkfifo(path_.c_str(), 0600) == 0;
    if (made_)
      rescuer_ = std::thread([path = path_] {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) ::close(fd);
      });
  }
  ~FifoWithoutWriter() {
    if (!made_) return;
    // A reader of our own lets the helper's open return if nobody else did.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    rescuer_.join();
    if (fd >= 0) ::close(fd);
  }
  FifoWithoutWriter(const FifoWithoutWriter&) = delete;
  FifoWithoutWriter& operator=(const FifoWithoutWriter&) = delete;

  bool made() const { return made_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  bool made_ = false;
  std::thread rescuer_;
};

}  // namespace corvana::testing
