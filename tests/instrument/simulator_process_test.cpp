// The simulated instrument as the program starts it: a real colorport-sim
// child on a real pseudo-terminal, reached through the program's connect.
#include "instrument/simulator_process.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "instrument/connection.h"

namespace corvana {
namespace {

namespace fs = std::filesystem;

bool processGone(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

TEST(SimulatorProcess, ServesAPseudoTerminalTheDriverConnectsTo) {
  std::optional<SimulatorProcess> sim(std::in_place, COLORPORT_SIM_PATH);
  ASSERT_TRUE(sim->running());
  EXPECT_EQ(sim->portPath().rfind("/dev/pts/", 0), 0u) << sim->portPath();
  setenv("COLORPORT_PORT", sim->portPath().c_str(), 1);
  EXPECT_EQ(connectInstrument(), API_SUCCESS);
  EXPECT_EQ(connectedPortPath(), sim->portPath());
  DeviceInfo info;
  EXPECT_EQ(readDeviceInfo(info), API_SUCCESS);
  EXPECT_NE(info.model[0], '\0');
  disconnectInstrument();
  EXPECT_FALSE(instrumentConnected());
  unsetenv("COLORPORT_PORT");

  const pid_t pid = sim->pid();
  sim.reset();
  EXPECT_TRUE(processGone(pid));
}

TEST(SimulatorProcess, AProgramThatEndsWithoutStoppingItTakesItAlong) {
  // The simulator's parent ends at once, as a killed program does; being the
  // subreaper, this test inherits the orphan and can wait for its end.
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  int report[2];
  ASSERT_EQ(pipe(report), 0);
  const pid_t program = fork();
  ASSERT_GE(program, 0);
  if (program == 0) {
    close(report[0]);
    auto* sim = new SimulatorProcess(COLORPORT_SIM_PATH);
    const pid_t pid = sim->running() ? sim->pid() : -1;
    (void)!write(report[1], &pid, sizeof pid);
    _exit(0);  // no destructor runs
  }
  close(report[1]);
  pid_t sim = -1;
  ASSERT_EQ(read(report[0], &sim, sizeof sim), ssize_t(sizeof sim));
  close(report[0]);
  waitpid(program, nullptr, 0);
  ASSERT_GT(sim, 0);
  // Bounded so that a simulator left running fails the test instead of hanging it.
  bool ended = false;
  for (int i = 0; i < 1000 && !ended; ++i) {
    ended = waitpid(sim, nullptr, WNOHANG) == sim;
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!ended) kill(sim, SIGKILL);
  EXPECT_TRUE(ended);
}

TEST(SimulatorProcess, AProgramThatIsMissingOrSilentIsNotRunning) {
  // Missing; found on PATH by name but absent; present but never names a terminal.
  for (const char* program : {"/nonexistent/colorport-sim", "colorport-sim-absent", "/bin/true"}) {
    SimulatorProcess sim(program);
    EXPECT_FALSE(sim.running()) << program;
    EXPECT_TRUE(sim.portPath().empty()) << program;
  }
}

TEST(SimulatorProcess, ProgramIsTheBuiltOneBesideTheProgramElseTheNameOnPath) {
  const fs::path tree = fs::temp_directory_path() / ("corvana-simtree-" + std::to_string(getpid()));
  fs::create_directories(tree / "app");
  EXPECT_EQ(simulatorProgram((tree / "app").string()), "colorport-sim");

  const fs::path built = tree / "tools" / "colorport_sim" / "colorport-sim";
  fs::create_directories(built.parent_path());
  std::ofstream(built) << "#!/bin/sh\n";
  // Not executable yet: a stray file there is not the simulator.
  EXPECT_EQ(simulatorProgram((tree / "app").string()), "colorport-sim");
  fs::permissions(built, fs::perms::owner_all);
  EXPECT_EQ(fs::path(simulatorProgram((tree / "app").string())).lexically_normal(), built);
  fs::remove_all(tree);
}

TEST(SimulatorProcess, RequestedOnlyByItsExactOption) {
  struct Case {
    std::vector<std::string> args;
    bool requested;
  };
  const Case cases[] = {
      {{"corvana"}, false},
      {{"corvana", "--simulator"}, true},
      {{"corvana", "a.job", "/lang:english", "--simulator"}, true},
      {{"corvana", "--simulator=1", "-simulator", "simulator.job"}, false},
  };
  for (const Case& c : cases) {
    std::vector<char*> argv;
    for (const std::string& a : c.args) argv.push_back(const_cast<char*>(a.c_str()));
    EXPECT_EQ(simulatorRequested(int(argv.size()), argv.data()), c.requested) << c.args.back();
  }
}

}  // namespace
}  // namespace corvana
