#pragma once
// The simulator's end of a pseudo-terminal: the master side it reads requests
// from and writes answers to, paced to the line rate on request.
#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace colorport::sim {

class PtyLine {
 public:
  // Opens a new pseudo-terminal; false (with errno) when the system has none.
  bool open();
  ~PtyLine();

  const std::string& slavePath() const { return slavePath_; }
  int masterFd() const { return master_; }
  void setPaced(bool paced) { paced_ = paced; }
  void write(std::span<const std::uint8_t> bytes);
  // Closes both ends: the host sees the device hang up.
  void vanish();

 private:
  int master_ = -1;
  int slave_ = -1;  // held open so the master never reads end-of-file between hosts
  std::string slavePath_;
  bool paced_ = false;
  std::chrono::steady_clock::time_point lineFreeAt_{};
};

}  // namespace colorport::sim
