// corvana-cli find on a real job file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "tests/tools/corvana_cli/cli_run.h"

namespace {

struct FindRun {
  int status = -1;
  std::vector<std::string> lines;
  std::string err;
};

class CorvanaCliFind : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/corvana-cli-find-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
    corvana::JobManager manager;
    corvana::Job job(manager);
    job.illuminants[0] = corvana::D65;
    job.observer = corvana::Observer10;
    job.DataAccuracy = 2;
    const struct {
      const char* name;
      float L, a, b;
    } standards[] = {{"STD-001", 50, 10, -10}, {"reference", 51, 10, -10}, {"Std2", 60, 10, -10}};
    for (const auto& s : standards) {
      corvana::MeasurementRecord r;
      r.setName(s.name);
      r.L = s.L, r.a = s.a, r.b = s.b;
      r.illuminant = corvana::D65;
      r.observer = corvana::Observer10;
      job.addStandard(r, false);
    }
    job.selectStandard(0);
    ASSERT_TRUE(corvana::writeJobFile(job, path()));
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string path() const { return dir_ + "/a.job"; }

  FindRun find(const std::string& args) const {
    const corvana::testing::CliRun run = corvana::testing::runCli("find " + args);
    return {run.status, corvana::testing::linesOf(run.out), run.err};
  }

  std::string dir_;
};

TEST_F(CorvanaCliFind, ByNameTheHitsAsTheDialogListsThem) {
  const FindRun r = find("'" + path() + "' standards --name std");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[0], "Standard\tName\tL*\ta*\tb*\tC*\th°");
  EXPECT_EQ(r.lines[1], "*  1\tSTD-001\t50.00\t10.00\t-10.00\t14.14\t315.00");
  EXPECT_EQ(r.lines[2], "3\tStd2\t60.00\t10.00\t-10.00\t14.14\t315.00");
  EXPECT_EQ(find("'" + path() + "' standards --name ''").lines.size(), 4u);
  EXPECT_EQ(find("'" + path() + "' samples --name std").lines.size(), 1u);
}

TEST_F(CorvanaCliFind, ByValueWithTheDifferenceLastInTheJobsDecimals) {
  const struct {
    const char* value;
    const char* within;
    std::vector<std::string> hits;
  } cases[] = {
      {"+50,10,-10",
       "1.0",
       {"*  1\tSTD-001\t50.00\t10.00\t-10.00\t14.14\t315.00\t0.00",
        "2\treference\t51.00\t10.00\t-10.00\t14.14\t315.00\t1.00"}},
      {"50,10,-10", "0", {"*  1\tSTD-001\t50.00\t10.00\t-10.00\t14.14\t315.00\t0.00"}},
      {"50.5,10,-10", "0", {}},
      {"-3.5,0,0",
       "100",
       {"*  1\tSTD-001\t50.00\t10.00\t-10.00\t14.14\t315.00\t55.34",
        "2\treference\t51.00\t10.00\t-10.00\t14.14\t315.00\t56.30",
        "3\tStd2\t60.00\t10.00\t-10.00\t14.14\t315.00\t65.06"}},
  };
  for (const auto& c : cases) {
    const FindRun r =
        find("'" + path() + "' standards --value " + c.value + " --within " + c.within);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_FALSE(r.lines.empty());
    EXPECT_EQ(r.lines[0], "Standard\tName\tL*\ta*\tb*\tC*\th°\tΔE*");
    EXPECT_EQ(std::vector<std::string>(r.lines.begin() + 1, r.lines.end()), c.hits) << c.value;
  }
}

TEST_F(CorvanaCliFind, RefusedNumbersExitTwoAndAnUnreadableJobOne) {
  const char* refused[] = {
      "--value 1.2.3,0,0 --within 1", "--value 5e2,0,0 --within 1", "--value ,0,0 --within 1",
      "--value 1,0,0 --within ''",    "--value 1,0 --within 1",     "--value 1,0,0,0 --within 1",
  };
  for (const char* args : refused) {
    const FindRun r = find("'" + path() + "' standards " + args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.lines.empty()) << args;
    EXPECT_FALSE(r.err.empty()) << args;
  }
  EXPECT_NE(find("'" + path() + "' standards --value 5e2,0,0 --within 1").err.find("'5e2'"),
            std::string::npos);
  const char* misuse[] = {"",
                          "'"
                          "x.job'",
                          "x.job records --name a",
                          "x.job standards",
                          "x.job standards --name a --within 1",
                          "x.job standards --value 1,2,3"};
  for (const char* args : misuse) {
    const FindRun r = find(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
  }
  std::ofstream(dir_ + "/broken.job") << "<Job><Standard";
  for (const std::string job : {dir_ + "/none.job", dir_ + "/broken.job"}) {
    const FindRun r = find("'" + job + "' standards --name std");
    EXPECT_EQ(r.status, 1) << job;
    EXPECT_TRUE(r.lines.empty());
    EXPECT_NE(r.err.find(job), std::string::npos);
  }
}

}  // namespace
