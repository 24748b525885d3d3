#pragma once
// The simulated instrument: colorport-sim run as a child process. It serves
// the instrument on a pseudo-terminal of its own and prints that terminal's
// path as its first line; the driver is pointed there through COLORPORT_PORT.
#include <sys/types.h>

#include <string>

namespace corvana {

// True when the command line asks for the simulated instrument ("--simulator").
bool simulatorRequested(int argc, char** argv);

// Where the simulator lives for a program in `programDir`: its place in the
// build tree beside the program when it is there, else the bare name, which
// is looked up on PATH.
std::string simulatorProgram(const std::string& programDir);

class SimulatorProcess {
 public:
  // Starts `program`; running() says whether it came up and named its terminal.
  explicit SimulatorProcess(const std::string& program);
  // Stops the child and waits for it. A program that ends without this (it
  // was killed) takes the simulator along all the same.
  ~SimulatorProcess();
  SimulatorProcess(const SimulatorProcess&) = delete;
  SimulatorProcess& operator=(const SimulatorProcess&) = delete;

  bool running() const { return !portPath_.empty(); }
  // The pseudo-terminal the simulator serves, e.g. "/dev/pts/3".
  const std::string& portPath() const { return portPath_; }
  pid_t pid() const { return pid_; }

 private:
  void stop();

  pid_t pid_ = -1;
  int lifeline_ = -1;  // the simulator's standard input, held open while it may run
  std::string portPath_;
};

}  // namespace corvana
