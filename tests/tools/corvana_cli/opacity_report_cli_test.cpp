// corvana-cli report opacity | word-opacity through the real binary.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "tests/tools/corvana_cli/cli_run.h"

namespace {

namespace fs = std::filesystem;

using corvana::testing::CliRun;
using corvana::testing::slurp;

struct OpacityCli : ::testing::Test {
  fs::path base;
  std::string job;
  void SetUp() override {
    char dir[] = "/tmp/corvana-cli-opacity-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    base = dir;
    corvana::JobManager manager;
    corvana::Job j(manager);
    corvana::MeasurementRecord r;
    r.UseReflect = true;
    r.reflectance.fill(0.4f);
    r.setName("over white");
    j.addSample(r, false);
    r.reflectance.fill(0.2f);
    r.setName("over black");
    j.addSample(r, false);
    job = (base / "a.job").string();
    ASSERT_TRUE(corvana::writeJobFile(j, job));
    std::ofstream(base / "plain") << "x";
  }
  void TearDown() override { fs::remove_all(base); }

  CliRun cli(const std::string& args) { return corvana::testing::runCli("report " + args); }
  std::string unzip(const fs::path& docx, const char* part) {
    std::system(("unzip -p '" + docx.string() + "' " + part + " > '" + (base / "part").string() +
                 "' 2>/dev/null")
                    .c_str());
    return slurp(base / "part");
  }
};

TEST_F(OpacityCli, DocumentOfTwoSamples) {
  const fs::path out = base / "o.docx";
  const CliRun run = cli("word-opacity '" + job + "' '" + out.string() + "' --white 1 --black 2");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string xml = unzip(out, "word/document.xml");
  EXPECT_NE(xml.find(">50.0%<"), std::string::npos);  // Y halves over black
  EXPECT_NE(xml.find(">White Base Sample<"), std::string::npos);
  EXPECT_NE(xml.find("CIE LAB, LCh<"), std::string::npos);
#ifdef CORVANA_CLI_PRINT
  EXPECT_EQ(unzip(out, "word/media/image1.png").substr(1, 3), "PNG");
#endif
  ASSERT_EQ(cli("word-opacity '" + job + "' '" + out.string() + "' --black 2 --lang chs").status,
            0);
  const std::string chinese = unzip(out, "word/document.xml");
  EXPECT_NE(chinese.find(">白底试样<"), std::string::npos);
  EXPECT_EQ(chinese.find("%<"), std::string::npos);  // no white base: no opacity
}

TEST_F(OpacityCli, PrintedPage) {
  const fs::path out = base / "o.pdf";
  const CliRun run = cli("opacity '" + job + "' '" + out.string() + "' --white 1 --black 2");
#ifndef CORVANA_CLI_PRINT
  EXPECT_EQ(run.status, 2);
  GTEST_SKIP() << "this build has no page painter";
#endif
  ASSERT_EQ(run.status, 0) << run.err;
  std::system(("pdftotext '" + out.string() + "' '" + (base / "text").string() + "'").c_str());
  const std::string text = slurp(base / "text");
  EXPECT_NE(text.find("50.0%"), std::string::npos) << text;
  EXPECT_NE(text.find("Black Base Sample"), std::string::npos);
  std::system(("pdfinfo '" + out.string() + "' > '" + (base / "info").string() + "'").c_str());
  EXPECT_NE(slurp(base / "info").find("Opacity Testing Report"), std::string::npos);
}

TEST_F(OpacityCli, Failures) {
  const std::string docx = (base / "x.docx").string();
  const struct {
    std::string args;
    int status;
    const char* message;
  } cases[] = {
      {"word-opacity '" + job + "' '" + docx + "' --white 3", 1, "there is no sample 3"},
      {"word-opacity '" + job + "' '" + docx + "' --white 0", 2, "usage:"},
      {"word-opacity '" + job + "' '" + docx + "' --black", 2, "usage:"},
      {"word-opacity '" + job + "' '" + docx + "' --grey 1", 2, "usage:"},
      {"word-opacity '" + job + "'", 2, "usage:"},
      {"word-opacity '" + (base / "none.job").string() + "' '" + docx + "'", 1, "none.job"},
      {"word-opacity '" + job + "' '" + (base / "plain" / "x.docx").string() + "'", 1,
       "corvana-cli:"},
  };
  for (const auto& c : cases) {
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
  }
  EXPECT_FALSE(fs::exists(docx));
}

}  // namespace
