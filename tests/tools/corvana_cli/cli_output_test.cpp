// corvana-cli's exit status when its output cannot be written or its input
// makes no sense, and names that would break its lines, through the binary.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "tests/tools/corvana_cli/cli_run.h"

namespace {

using corvana::testing::CliRun;
using corvana::testing::CliStreams;
using corvana::testing::linesOf;
using corvana::testing::runCli;

std::string curveLine(const std::string& name, int records = 1) {
  std::string line = name;
  for (int i = 0; i < 31 * records; ++i) line += ",0.4";
  return line + "\n";
}

std::vector<std::string> tabFields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream s(line);
  for (std::string f; std::getline(s, f, '\t');) fields.push_back(f);
  return fields;
}

class CorvanaCliOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/corvana-cli-output-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
    corvana::JobManager manager;
    corvana::Job job(manager);
    corvana::MeasurementRecord r;
    r.reflectance.fill(0.4f);
    r.UseReflect = true;
    r.setName("STD");
    job.addStandard(r, false);
    for (const char* name : kNames) {
      r.setName(name);
      r.setMaterial(name);
      job.addSample(r, false);
    }
    ASSERT_TRUE(corvana::writeJobFile(job, jobPath()));
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string jobPath() const { return dir_ + "/a.job"; }

  static constexpr const char* kNames[] = {"tab\there", "line\nbreak", "back\\slash"};
  static constexpr const char* kShown[] = {"tab\\there", "line\\nbreak", "back\\\\slash"};
  std::string dir_;
};

TEST_F(CorvanaCliOutput, FailuresAndRefusalsExitWithTheirStatus) {
  const std::string job = "'" + jobPath() + "'";
  const std::string values = "values --space 0 --illuminant D65 --observer 10";
  const std::string diff = "diff --space 0 --formula 0 --illuminant D65 --observer 10";
  const std::string tristimulus = "tristimulus --illuminant D65 --observer 10";
  const std::string byValue = "find " + job + " samples --value 50,0,0 --within ";
  const std::string huge(400, '9');
  const CliStreams fullDisk{"", "/dev/full"}, folderInput{dir_, ""};
  struct Case {
    const char* what;
    std::string args, input;
    CliStreams streams;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"job lists to a full disk", "job " + job, "", fullDisk, 1, "could not be written"},
      {"find to a full disk", "find " + job + " samples --name ''", "", fullDisk, 1,
       "could not be written"},
      {"values to a full disk", values, curveLine("a"), fullDisk, 1, "could not be written"},
      {"diff to a full disk", diff, curveLine("a", 2), fullDisk, 1, "could not be written"},
      {"a name to a full disk", "name 'S%nn' 1", "", fullDisk, 1, "could not be written"},
      {"an empty --save", "job " + job + " --save ''", "", {}, 2, "--save needs a file name"},
      {"a negative limit", byValue + "-1", "", {}, 2, "0 or more"},
      {"a small negative limit", byValue + "-0.001", "", {}, 2, "0 or more"},
      {"a limit that is no number", byValue + "nan", "", {}, 2, "not a number"},
      {"an infinite limit", byValue + "inf", "", {}, 2, "not a number"},
      {"a limit beyond any number", byValue + huge, "", {}, 2, "too large"},
      {"a value beyond any number", "find " + job + " samples --value " + huge + ",0,0 --within 1",
       "", {}, 2, "too large"},
      {"values from a folder", values, "", folderInput, 1, "is a folder"},
      {"diff from a folder", diff, "", folderInput, 1, "is a folder"},
      {"tristimulus from a folder", tristimulus, "", folderInput, 1, "is a folder"},
  };
  for (const Case& c : cases) {
    const CliRun r = runCli(c.args, c.input, c.streams);
    EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << "\n" << r.err;
    EXPECT_EQ(r.out, "") << c.what;
  }
  // The file --save '' would have meant is not there.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
  // A limit of nothing at all finds the exact colour.
  EXPECT_EQ(runCli("find " + job + " samples --value 50,0,0 --within 0").status, 0);
}

TEST_F(CorvanaCliOutput, NamesKeepEveryLineWhole) {
  const std::string job = "'" + jobPath() + "'";
  for (const std::string& args : {"job " + job, "find " + job + " samples --name ''"}) {
    const CliRun r = runCli(args);
    ASSERT_EQ(r.status, 0) << args << "\n" << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    // The sample list: its heading, then one line per sample.
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.starts_with("Sample\t");
    });
    ASSERT_NE(heading, lines.end()) << r.out;
    ASSERT_EQ(lines.end() - heading, 4) << args << "\n" << r.out;
    for (int i = 0; i < 3; ++i) {
      const std::vector<std::string> cells = tabFields(heading[i + 1]);
      ASSERT_EQ(cells.size(), tabFields(*heading).size()) << args << ": " << heading[i + 1];
      EXPECT_EQ(cells[1], kShown[i]) << args;
      if (args.starts_with("job")) {
        EXPECT_EQ(cells.back(), kShown[i]) << "material";
      }
    }
  }
  // Names on the input lines: a TAB and a backslash come back escaped.
  const struct {
    std::string args, input;
  } lineCommands[] = {
      {"values --space 0 --illuminant D65 --observer 10", curveLine("a\tb\\c")},
      {"diff --space 0 --formula 0 --illuminant D65 --observer 10", curveLine("a\tb\\c", 2)},
      {"tristimulus --illuminant D65 --observer 10", curveLine("a\tb\\c")},
  };
  for (const auto& c : lineCommands) {
    const CliRun r = runCli(c.args, c.input);
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.err;
    EXPECT_TRUE(r.out.starts_with("a\\tb\\\\c,")) << c.args << "\n" << r.out;
  }
}

}  // namespace
