#pragma once
// A small tmpfs mounted on a fresh folder for the length of a test, to be
// filled up like a disk. Mounting needs root and a system that allows it;
// `skipReason()` says why there is none, for GTEST_SKIP.
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace corvana::testing {

class FullDisk {
 public:
  explicit FullDisk(std::size_t bytes) {
    if (::geteuid() != 0) {
      why_ = "mounting a tmpfs needs root";
      return;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "corvana-disk-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
      why_ = std::string("no folder to mount on: ") + std::strerror(errno);
      return;
    }
    folder_ = pattern;
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
      why_ = std::string("mount -t tmpfs was refused: ") + std::strerror(errno);
      return;
    }
    mounted_ = true;
  }
  ~FullDisk() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    if (!folder_.empty()) ::rmdir(folder_.c_str());
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  const std::string& skipReason() const { return why_; }
  bool mounted() const { return mounted_; }
  std::string file(const std::string& name) const { return folder_ + "/" + name; }

  // Takes every byte that is left, as another program filling the disk would.
  bool fill() const {
    const int fd = ::open(file("filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    static const char block[4096] = {};
    while (::write(fd, block, sizeof block) > 0) {
    }
    // The last page may take a few bytes more.
    while (::write(fd, block, 1) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
  }

 private:
  std::string folder_;
  std::string why_;
  bool mounted_ = false;
};

}  // namespace corvana::testing
