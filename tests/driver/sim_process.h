#pragma once
// Runs the real colorport-sim for a test: starts it, reads the pseudo-terminal
// path it prints, sends control lines, and stops it at the end.
#include <sys/types.h>
#include <string>
#include <vector>

namespace colorport::test {

class SimProcess {
 public:
  explicit SimProcess(const std::vector<std::string>& options = {});
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  // Empty when the simulator did not start.
  const std::string& path() const { return path_; }
  // Its process, for a test that holds it still (SIGSTOP) and lets it go.
  pid_t pid() const { return pid_; }
  // Sends a control line ("no-answer 1") and waits for its "ok".
  bool control(const std::string& line);
  // Waits for the simulator to end by itself (after a vanish); false when it still runs.
  bool exited(int timeoutMs);

 private:
  std::string readLine(int timeoutMs);

  pid_t pid_ = -1;
  int toSim_ = -1;
  int fromSim_ = -1;
  std::string pending_;
  std::string path_;
};

// Runs a program to its end; its exit status (-1 when it could not run or was killed).
struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace colorport::test
