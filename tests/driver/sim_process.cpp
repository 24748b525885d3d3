#include "sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>

extern char** environ;

namespace colorport::test {
namespace {

std::vector<char*> argv(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> v;
  v.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) v.push_back(const_cast<char*>(a.c_str()));
  v.push_back(nullptr);
  return v;
}

}  // namespace

SimProcess::SimProcess(const std::vector<std::string>& options) {
  int in[2], out[2];
  if (pipe2(in, O_CLOEXEC) != 0) return;
  if (pipe2(out, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  const std::string program = COLORPORT_SIM_PATH;
  auto args = argv(program, options);
  if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  toSim_ = in[1];
  fromSim_ = out[0];
  if (pid_ > 0) path_ = readLine(5000);
}

SimProcess::~SimProcess() {
  if (pid_ > 0 && !exited(0)) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  if (toSim_ >= 0) close(toSim_);
  if (fromSim_ >= 0) close(fromSim_);
}

std::string SimProcess::readLine(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (const auto nl = pending_.find('\n'); nl != std::string::npos) {
      std::string line = pending_.substr(0, nl);
      pending_.erase(0, nl + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{fromSim_, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return {};
    char buf[256];
    const ssize_t n = read(fromSim_, buf, sizeof buf);
    if (n <= 0) return {};
    pending_.append(buf, static_cast<std::size_t>(n));
  }
}

bool SimProcess::control(const std::string& line) {
  const std::string text = line + "\n";
  if (write(toSim_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return false;
  return readLine(5000) == "ok";
}

bool SimProcess::exited(int timeoutMs) {
  if (pid_ <= 0) return true;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return true;
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args) {
  ProgramRun run;
  int out[2], err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  auto v = argv(program, args);
  pid_t pid;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, v.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  if (spawned == 0) {
    // Read both streams together so neither pipe fills up and stalls the child.
    pollfd p[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open = 2;
    while (open > 0 && poll(p, 2, -1) > 0) {
      for (int i = 0; i < 2; ++i) {
        if (p[i].fd < 0 || p[i].revents == 0) continue;
        char buf[4096];
        const ssize_t n = read(p[i].fd, buf, sizeof buf);
        if (n > 0) {
          (i == 0 ? run.out : run.err).append(buf, static_cast<std::size_t>(n));
        } else {
          p[i].fd = -1;
          --open;
        }
      }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  close(out[0]);
  close(err[0]);
  return run;
}

}  // namespace colorport::test
