#include "instrument/simulator_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>
#include <vector>

extern char** environ;

namespace corvana {
namespace {

constexpr const char* kSimulatorName = "colorport-sim";
// The simulator names its terminal at once; a slow start is a failed one.
constexpr int kFirstLineTimeoutMs = 5000;

// The first line the child writes, without its line end; empty when none
// arrives in time or the child closes its output first.
std::string readFirstLine(int fd) {
  std::string line;
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, kFirstLineTimeoutMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return {};
    char c;
    const ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return {};
    if (c == '\n') return line;
    line.push_back(c);
  }
}

}  // namespace

bool simulatorRequested(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "--simulator") return true;
  return false;
}

std::string simulatorProgram(const std::string& programDir) {
  const std::string built = programDir + "/../tools/colorport_sim/" + kSimulatorName;
  if (access(built.c_str(), X_OK) == 0) return built;
  return kSimulatorName;
}

SimulatorProcess::SimulatorProcess(const std::string& program) {
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0) return;
  if (pipe2(out, O_CLOEXEC) != 0) {
    close(in[0]);
    close(in[1]);
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Standard input is a pipe only this process writes to (it never does):
  // when the program ends in any way, even killed, the pipe closes and the
  // simulator, told so by --until-eof, ends too.
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  std::string untilEof = "--until-eof";
  std::vector<char*> args{const_cast<char*>(program.c_str()), untilEof.data(), nullptr};
  // A path is run as it stands; a bare name is looked up on PATH.
  if (posix_spawnp(&pid_, program.c_str(), &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  lifeline_ = in[1];
  if (pid_ > 0) portPath_ = readFirstLine(out[0]);
  // Only the first line matters; later output (none without control lines)
  // meets a closed pipe, which the simulator ignores.
  close(out[0]);
  if (portPath_.empty()) stop();
}

SimulatorProcess::~SimulatorProcess() { stop(); }

void SimulatorProcess::stop() {
  if (lifeline_ >= 0) close(lifeline_);
  lifeline_ = -1;
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  portPath_.clear();
}

}  // namespace corvana
