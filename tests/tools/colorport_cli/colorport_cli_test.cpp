// colorport-cli run as a user runs it, against the real colorport-sim.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "sim_process.h"

namespace {

using colorport::test::ProgramRun;
using colorport::test::runProgram;
using colorport::test::SimProcess;
using ::testing::HasSubstr;

std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> out;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, by)) out.push_back(part);
  return out;
}

class CliTest : public ::testing::Test {
 protected:
  void start(const std::vector<std::string>& options = {}) {
    sim_ = std::make_unique<SimProcess>(options);
    ASSERT_FALSE(sim_->path().empty()) << "colorport-sim did not start";
  }
  ProgramRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--port", sim_->path()});
    return runProgram(COLORPORT_CLI_PATH, args);
  }
  void SetUp() override { start(); }

  std::unique_ptr<SimProcess> sim_;
};

TEST_F(CliTest, InfoPrintsTheInstrument) {
  const ProgramRun run = cli({"info"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "model: CM-750 Spectrophotometer\n"
            "version: V2.1.0-sim\n"
            "board: ZW0042\n"
            "capacity: 2000\n"
            "standards: 5\n"
            "samples: 7\n"
            "black: 1\n"
            "white: 1\n");
  EXPECT_EQ(run.err, "success\n");
}

TEST_F(CliTest, MeasurePrintsThirtySixNumbersOnOneLine) {
  const ProgramRun run = cli({"measure", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_FALSE(run.out.empty());
  EXPECT_EQ(run.out.back(), '\n');
  const std::vector<std::string> fields = split(run.out.substr(0, run.out.size() - 1), ',');
  ASSERT_EQ(fields.size(), 36u);
  for (const std::string& f : fields) {
    char* end = nullptr;
    std::strtod(f.c_str(), &end);
    EXPECT_EQ(*end, '\0') << f;
  }
  const double L = std::strtod(fields[0].c_str(), nullptr);
  EXPECT_GT(L, 0.0);
  EXPECT_LT(L, 100.0);
}

TEST_F(CliTest, CountPrintsTheNumber) {
  EXPECT_EQ(cli({"count", "0", "0"}).out, "5\n");
  EXPECT_EQ(cli({"count", "1", "2"}).out, "3\n");
}

TEST_F(CliTest, UploadPrintsOneLinePerRecord) {
  const ProgramRun run = cli({"upload", "0", "0", "1", "3"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = split(run.out, '\n');
  ASSERT_EQ(lines.size(), 3u);
  // number,name,reference,date time,illuminant,observer,mode, then 5 colour values and 31
  // reflectances
  std::vector<std::string> f = split(lines[0], ',');
  ASSERT_EQ(f.size(), 7u + 5u + 31u);
  EXPECT_EQ(std::vector<std::string>(f.begin(), f.begin() + 7),
            (std::vector<std::string>{"1", "YELLOW", "0", "2026-03-14 09:01:07", "0", "1", "0"}));
  f = split(lines[1], ',');
  EXPECT_EQ(std::vector<std::string>(f.begin(), f.begin() + 4),
            (std::vector<std::string>{"2", "GREEN", "-2", "2026-03-14 09:02:14"}));
  EXPECT_EQ(f.back(), "0");  // no curve on a standard held as colour values
}

TEST_F(CliTest, WrittenStandardComesBackWithTheClock) {
  ASSERT_EQ(cli({"datetime", "2014", "5", "6", "13", "45"}).status, 0);
  ASSERT_EQ(cli({"write-standard", "lab", "HANDENTRY1", "0", "1", "55.5", "-4.25", "10"}).status,
            0);
  EXPECT_EQ(cli({"count", "0", "0"}).out, "6\n");
  const ProgramRun run = cli({"upload", "0", "0", "5", "1"});
  ASSERT_EQ(run.status, 0);
  EXPECT_THAT(run.out,
              ::testing::StartsWith("5,HANDENTRY,-2,2014-05-06 13:45:00,0,1,0,55.5,-4.25,10,"));
}

TEST_F(CliTest, DeleteRemovesAStandard) {
  ASSERT_EQ(cli({"delete", "0", "0"}).status, 0);
  EXPECT_EQ(cli({"count", "0", "0"}).out, "4\n");
}

TEST_F(CliTest, WhiteBoardWriteThenRead) {
  std::vector<std::string> args{"whiteboard-write", "W123", "W456"};
  for (int i = 0; i < 31; ++i) args.push_back("94.5");
  ASSERT_EQ(cli(args).status, 0);
  const ProgramRun run = cli({"whiteboard-read"});
  ASSERT_EQ(run.status, 0);
  std::string values = "values: 94.5";
  for (int i = 1; i < 31; ++i) values += ",94.5";
  EXPECT_EQ(run.out, "inner: W123\nouter: W456\n" + values + "\n");
}

TEST_F(CliTest, SettingsSetThenGet) {
  struct Case {
    std::string set, get, value;
  };
  for (const Case& c : {Case{"set-integration-time", "get-integration-time", "500"},
                        Case{"set-sampling-times", "get-sampling-times", "9"},
                        Case{"set-hv-pulling-times", "get-hv-pulling-times", "17"},
                        Case{"set-correction-threshold", "get-correction-threshold", "-42"}}) {
    EXPECT_EQ(cli({c.set, c.value}).status, 0) << c.set;
    EXPECT_EQ(cli({c.get}).out, c.value + "\n") << c.get;
  }
  EXPECT_EQ(cli({"get-integration-time"}).status, 0);
}

TEST_F(CliTest, ServiceTablesPrintAsCommaLines) {
  const ProgramRun dac = cli({"get-dac-data"});
  ASSERT_EQ(dac.status, 0);
  const std::vector<std::string> lines = split(dac.out, '\n');
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(split(lines[0], ',').size(), 32u);
  EXPECT_EQ(split(lines[1], ',').size(), 32u);
  EXPECT_EQ(
      cli({"set-raster", "1", "2", "3", "4", "5", "6", "-1", "-2", "-3", "-4", "-5", "-6"}).status,
      0);
  EXPECT_EQ(cli({"get-raster"}).out, "1,2,3,4,5,6\n-1,-2,-3,-4,-5,-6\n");
  EXPECT_EQ(cli({"motor", "1", "300"}).status, 0);
}

struct FailureCase {
  std::string name;
  std::vector<std::string> args;
  int status;
  std::string error;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class CliFailureTest : public CliTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailureTest, ExitStatusIsTheResultAndItsNameGoesToStandardError) {
  const ProgramRun run = cli(GetParam().args);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_THAT(run.err, HasSubstr(GetParam().error));
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Results, CliFailureTest,
    ::testing::Values(
        FailureCase{"CalibrateKindTwo", {"calibrate", "2"}, 10, "invalid parameter"},
        FailureCase{
            "SamplesNeedAStandard", {"upload", "1", "0", "0", "5"}, 10, "invalid parameter"},
        FailureCase{
            "RangeBeyondStored", {"upload", "0", "0", "4", "2"}, 8, "execute request failed"},
        FailureCase{"NotANumber", {"count", "zero", "0"}, 10, "invalid parameter"},
        FailureCase{"UnknownCommand", {"frobnicate"}, 10, "invalid parameter"},
        FailureCase{"MissingArgument", {"measure"}, 10, "invalid parameter"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CliTest, InstrumentRefusalExitsWithEight) {
  ASSERT_TRUE(sim_->control("status 5"));
  const ProgramRun run = cli({"calibrate", "1"});
  EXPECT_EQ(run.status, 8);
  EXPECT_EQ(run.err, "execute request failed\n");
}

TEST(CliUpload, RecordsLostOnTheWayFailWithTheCountAndPrintNothing) {
  SimProcess sim({"--standards", "2000"});
  ASSERT_FALSE(sim.path().empty());
  // Two records a frame: the range answer and 500 frames go whole, then one
  // frame keeps only its header.
  ASSERT_TRUE(sim.control("truncate 3 501"));
  const ProgramRun run =
      runProgram(COLORPORT_CLI_PATH, {"--port", sim.path(), "upload", "0", "0", "0", "2000"});
  EXPECT_EQ(run.status, 12);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "colorport-cli: only 1998 of 2000 records arrived; none printed\n"
            "transfer incomplete\n");
}

// Values that are not finite numbers are refused with their field named;
// nothing reaches the instrument.
TEST_F(CliTest, WriteStandardRefusesValuesThatAreNotFiniteNumbers) {
  const struct {
    std::string value;
    bool reflectance;  // else L of a Lab standard
  } cases[] = {{"nan", false}, {"inf", false}, {"-inf", false}, {"1e400", false}, {"3.5e38", false},
               {"", false},    {"5x", false},  {" ", false},    {"NaN", true},    {"1e999", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.value + "\"");
    std::vector<std::string> args{"write-standard"};
    std::string field;
    if (c.reflectance) {
      args.insert(args.end(), {"reflectance", "CURVE"});
      for (int i = 0; i < 31; ++i) args.push_back(i == 15 ? c.value : "50");
      field = "R550";
    } else {
      args.insert(args.end(), {"lab", "LAB", "0", "1", c.value, "1", "2"});
      field = "L";
    }
    const ProgramRun run = cli(args);
    EXPECT_EQ(run.status, 10);
    EXPECT_EQ(run.err, "colorport-cli: " + field + " must be a finite number, not \"" + c.value +
                           "\"\ninvalid parameter\n");
  }
  EXPECT_EQ(cli({"count", "0", "0"}).out, "5\n");
  // Whole numbers in any spelling strtod reads still go through.
  EXPECT_EQ(cli({"write-standard", "lab", "LAB", "0", "1", "5e1", "-0.5", "+3"}).status, 0);
  EXPECT_EQ(cli({"count", "0", "0"}).out, "6\n");
}

// Output that does not reach its file is a failure, also after a successful call.
TEST_F(CliTest, OutputThatCannotBeWrittenExitsOne) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  const std::vector<std::vector<std::string>> commands = {
      {"info"}, {"count", "0", "0"}, {"upload", "0", "0", "0", "5"}, {"--help"}};
  for (const auto& command : commands) {
    SCOPED_TRACE(command.front());
    std::vector<std::string> args{
        "-c", "exec \"$@\" > /dev/full", "sh", COLORPORT_CLI_PATH, "--port", sim_->path()};
    args.insert(args.end(), command.begin(), command.end());
    const ProgramRun run = runProgram("/bin/sh", args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "colorport-cli: the output could not be written: No space left on device\n");
  }
  // A command that prints nothing has nothing to lose.
  const ProgramRun quiet =
      runProgram("/bin/sh", {"-c", "exec \"$@\" > /dev/full", "sh", COLORPORT_CLI_PATH, "--port",
                             sim_->path(), "calibrate", "0"});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, "success\n");
}

// Each run opens and closes the port; the next one, by an ordinary user, must
// find the instrument again (root is let through an exclusive terminal anyway).
TEST_F(CliTest, AnOrdinaryUserFindsTheInstrumentAgainOnEveryRun) {
  std::vector<int> statuses;
  for (int run = 0; run < 3; ++run) {
    if (geteuid() != 0) {
      statuses.push_back(cli({"info"}).status);
      continue;
    }
    ASSERT_EQ(chmod(sim_->path().c_str(), 0666), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const gid_t nobody = 65534;
      if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(126);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      execl(COLORPORT_CLI_PATH, COLORPORT_CLI_PATH, "--port", sim_->path().c_str(), "info",
            static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    statuses.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }
  EXPECT_EQ(statuses, (std::vector<int>{0, 0, 0}));
}

TEST(CliWithoutInstrument, DeviceNotFound) {
  const ProgramRun run = runProgram(COLORPORT_CLI_PATH, {"--port", "/nonexistent/tty", "info"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "device not found\n");
  EXPECT_EQ(run.out, "");
}

}  // namespace
