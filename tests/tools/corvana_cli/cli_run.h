#pragma once
// Runs the built corvana-cli binary (CORVANA_CLI) as a shell would, with its
// standard input, output and error in files of a scratch folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace corvana::testing {

struct CliRun {
  int status = -1;  // the exit status; -1 when the program did not exit
  std::string out, err;
};

inline std::string slurp(const std::filesystem::path& path) {
  std::ifstream f(path);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream s(text);
  for (std::string line; std::getline(s, line);) lines.push_back(line);
  return lines;
}

// Where the standard input comes from and the standard output goes, when
// not the scratch files: a device such as /dev/full, a folder. `prefix` goes
// before the program, e.g. "timeout 20" (a shell command that runs it).
struct CliStreams {
  std::string inputFrom, outputTo, prefix;
};

// `args` as they stand on a command line (quoted by the caller).
inline CliRun runCli(const std::string& args, const std::string& input = {},
                     const CliStreams& streams = {}) {
  char dir[] = "/tmp/corvana-cli-XXXXXX";
  EXPECT_NE(mkdtemp(dir), nullptr);
  const std::filesystem::path base = dir;
  std::ofstream(base / "in") << input;
  const std::string in = streams.inputFrom.empty() ? (base / "in").string() : streams.inputFrom;
  const std::string out = streams.outputTo.empty() ? (base / "out").string() : streams.outputTo;
  const std::string command = streams.prefix + (streams.prefix.empty() ? "" : " ") + "'" +
                              CORVANA_CLI + "' " + args + " < '" + in + "' > '" + out + "' 2> '" +
                              (base / "err").string() + "'";
  const int raw = std::system(command.c_str());
  CliRun r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = slurp(base / "out");
  r.err = slurp(base / "err");
  std::error_code ec;
  std::filesystem::remove_all(base, ec);
  return r;
}

}  // namespace corvana::testing
