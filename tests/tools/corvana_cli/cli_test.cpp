// Runs the real corvana-cli binary on real input.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "colour/tristimulus.h"
#include "core/job.h"
#include "core/job_file.h"
#include "core/job_manager.h"
#include "tests/tools/corvana_cli/cli_run.h"

namespace {

using corvana::testing::CliRun;
using corvana::testing::slurp;

CliRun cli(const std::string& args, const std::string& input) {
  return corvana::testing::runCli(args, input);
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream s(line);
  std::string f;
  while (std::getline(s, f, ',')) out.push_back(f);
  return out;
}

std::string curveLine(const std::string& name, float value) {
  std::string line = name;
  for (int i = 0; i < 31; ++i) line += "," + std::to_string(value);
  return line;
}

TEST(CorvanaCli, TristimulusReadsBackExactly) {
  const CliRun r =
      cli("tristimulus --illuminant F12 --observer 10",
          "# comment\n\n" + curveLine("half", 0.5f) + "\r\n" + curveLine("white", 1.0f) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  std::stringstream lines(r.out);
  std::string line;
  for (const float v : {0.5f, 1.0f}) {
    ASSERT_TRUE(std::getline(lines, line));
    const auto f = fields(line);
    ASSERT_EQ(f.size(), 4u) << line;
    corvana::ReflectanceCurve c;
    c.fill(v);
    const std::optional<corvana::Xyz> t =
        corvana::computeTristimulus(c, {corvana::F12, corvana::Observer10});
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(std::strtof(f[1].c_str(), nullptr), t->X);
    EXPECT_EQ(std::strtof(f[2].c_str(), nullptr), t->Y);
    EXPECT_EQ(std::strtof(f[3].c_str(), nullptr), t->Z);
  }
  EXPECT_FALSE(std::getline(lines, line));
}

TEST(CorvanaCli, ValuesWithDisplayColourAndNotANumber) {
  CliRun r = cli("values --space 0 --illuminant D65 --observer 10 --lab", "w,100,0,0\nk,0,0,0\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 2), "w,");
  EXPECT_NE(r.out.find(",FFFEFFFE\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(",FF000000\n"), std::string::npos) << r.out;
  // YI(D1925) is defined only under C/2°: printed as nan.
  r = cli("values --space 6 --illuminant D65 --observer 10", curveLine("paper", 0.8f) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto f = fields(r.out.substr(0, r.out.size() - 1));
  ASSERT_EQ(f.size(), 7u) << r.out;
  EXPECT_EQ(f[4], "nan");
  EXPECT_NE(f[5], "nan");
  // Three values for Hunter LAB.
  r = cli("values --space 4 --illuminant A --observer 2", curveLine("grey", 0.2f) + "\n");
  EXPECT_EQ(fields(r.out).size(), 5u) << r.out;
}

TEST(CorvanaCli, DiffSlotsAndPlaceholders) {
  // Lab records carry no curve: the metameric index is not computed (-2000).
  CliRun r =
      cli("diff --space 0 --formula 6 --illuminant D65 --observer 10 --lab", "p,50,0,0,51,0,0\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "p,1,0,0,0,0,1,-2000\n");
  // With curves it is: zero for identical records; strength ratios are 1.
  r = cli("diff --space 3 --formula 6 --illuminant D65 --observer 10 --metameric A,2,F11,10",
          curveLine("same", 0.4f) + curveLine("", 0.4f) + "\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "same,0,0,0,0,0\n");
  r = cli("diff --space 0 --formula 7 --illuminant D65 --observer 10",
          curveLine("same", 0.4f) + curveLine("", 0.4f) + "\n");
  EXPECT_EQ(r.out, "same,0,0,0,0,0,0,1,1\n");
  // A zero reflectance gives an infinite K/S: the ratio is not a number.
  r = cli("diff --space 0 --formula 7 --illuminant D65 --observer 10",
          curveLine("zero", 0.0f) + curveLine("", 0.0f) + "\n");
  EXPECT_EQ(r.out, "zero,0,0,0,0,0,0,nan,nan\n");
}

TEST(CorvanaCli, ParametricFactorsReachTheFormula) {
  const std::string pair = "p,50,10,10,52,10,10\n";
  const CliRun one = cli("diff --space 1 --formula 1 --illuminant D65 --observer 10 --lab", pair);
  const CliRun two =
      cli("diff --space 1 --formula 1 --illuminant D65 --observer 10 --lab --kl 2", pair);
  ASSERT_EQ(one.status, 0) << one.err;
  ASSERT_EQ(two.status, 0) << two.err;
  const auto a = fields(one.out), b = fields(two.out);
  ASSERT_EQ(a.size(), 9u);
  EXPECT_NEAR(std::strtod(b[8].c_str(), nullptr), std::strtod(a[8].c_str(), nullptr) / 2, 1e-6);
}

TEST(CorvanaCli, MalformedLinesAreReportedAndTheRestWritten) {
  const CliRun r = cli("tristimulus --illuminant D65 --observer 2",
                       curveLine("ok1", 0.5f) + "\nshort,1,2\n" + curveLine("bad", 0.5f) + "x\n" +
                           curveLine("ok2", 0.5f) + "\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("line 3"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("ok1,"), std::string::npos);
  EXPECT_NE(r.out.find("ok2,"), std::string::npos);
  EXPECT_EQ(r.out.find("bad"), std::string::npos);
}

TEST(CorvanaCli, BadOptionsExitTwoWithUsage) {
  const char* bad[] = {
      "tristimulus --illuminant D65 --observer 2 --space 0",  // not an option of this command
      "tristimulus --illuminant D99 --observer 2",
      "tristimulus --illuminant D65 --observer 5",
      "values --illuminant D65 --observer 2",  // no space
      "values --space 9 --illuminant D65 --observer 2",
      "diff --space 0 --illuminant D65 --observer 2",  // no formula
      "diff --space 0 --formula 1 --illuminant D65 --observer 2 --metameric A,2,F2",
      "diff --space 0 --formula 1 --illuminant D65 --observer 2 --kl",
      "frobnicate",
      "",
  };
  for (const char* args : bad) {
    const CliRun r = cli(args, "");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
  }
}

TEST(CorvanaCli, JobListsAndRoundTrip) {
  corvana::JobManager manager;
  corvana::Job job(manager);
  corvana::MeasurementRecord r;
  r.reflectance.fill(0.4f);
  r.UseReflect = true;
  r.setName("标样 A");
  r.setMaterial("M1");
  job.addStandard(r, false);
  r.reflectance.fill(0.42f);
  r.setName("batch 1");
  job.addSample(r, false);
  char dir[] = "/tmp/corvana-cli-job-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string path = std::string(dir) + "/a.job", copy = std::string(dir) + "/b.job";
  ASSERT_TRUE(corvana::writeJobFile(job, path));
  const CliRun listed = cli("job '" + path + "'", "");
  ASSERT_EQ(listed.status, 0) << listed.err;
  std::stringstream lines(listed.out);
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) got.push_back(line);
  ASSERT_EQ(got.size(), 6u) << listed.out;
  EXPECT_EQ(got[0], "[standards]");
  EXPECT_EQ(got[1], "Standard\tName\tL*\ta*\tb*\tC*\th°\tMaterial");
  EXPECT_EQ(got[2].substr(0, 14), "*  1\t标样 A\t");
  EXPECT_EQ(got[3], "[samples]");
  EXPECT_NE(got[5].find("\tbatch 1\t"), std::string::npos);
  EXPECT_NE(got[5].find("\tNG\t"), std::string::npos);
  // A flat grey has a* and b* a rounding error away from zero: the lists
  // print them without a sign, and so does this.
  for (const std::string& line : got) {
    std::stringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');)
      EXPECT_FALSE(cell.starts_with("-") && cell.find_first_of("123456789") == std::string::npos)
          << line;
  }
  // Through the reader and writer and back: the same lists.
  ASSERT_EQ(cli("job '" + path + "' --save '" + copy + "'", "").status, 0);
  EXPECT_EQ(cli("job '" + copy + "'", "").out, listed.out);
  const CliRun chinese = cli("job '" + path + "' --lang cht", "");
  EXPECT_NE(chinese.out.find("標樣\t"), std::string::npos);
  const CliRun missing = cli("job '" + std::string(dir) + "/none.job'", "");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Open file failed!"), std::string::npos);
  EXPECT_EQ(cli("job", "").status, 2);
  std::system(("rm -rf '" + std::string(dir) + "'").c_str());
}

TEST(CorvanaCli, NameTemplates) {
  struct Case {
    const char* args;
    const char* out;
  } cases[] = {{"name 'Sample%nnn' 7", "Sample007\n"},
               {"name 'A%%B' 1", "A%B\n"},
               {"name 'Lot%x' 3", "Lotx\n"},
               {"name '%nn' 1235", "1235\n"}};
  for (const auto& c : cases) EXPECT_EQ(cli(c.args, "").out, c.out) << c.args;
  EXPECT_EQ(cli("name 'x'", "").status, 2);
}

TEST(CorvanaCli, ReportSpreadsheet) {
  corvana::JobManager manager;
  corvana::Job job(manager);
  corvana::MeasurementRecord r;
  r.reflectance.fill(0.4f);
  r.UseReflect = true;
  r.setName("first standard");
  job.addStandard(r, false);
  r.setName("current standard");
  job.addStandard(r, true);
  for (const char* name : {"lot 1", "lot 2"}) {
    r.setName(name);
    job.addSample(r, false);
  }
  char dir[] = "/tmp/corvana-cli-report-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string base = dir, path = base + "/a.job", out = base + "/a.xlsx";
  ASSERT_TRUE(corvana::writeJobFile(job, path));
  std::ofstream(base + "/plain") << "x";
  const auto part = [&](const char* name) {
    const std::string copy = base + "/part";
    std::system(("unzip -p '" + out + "' " + name + " > '" + copy + "'").c_str());
    return slurp(copy);
  };

  const CliRun written = cli("report spreadsheet '" + path + "' '" + out + "'", "");
  ASSERT_EQ(written.status, 0) << written.err;
  // Texts are inline strings of the sheet.
  const std::string sheet = part("xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find(">current standard<"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find(">first standard<"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find(">Standard<"), std::string::npos) << sheet;
  // The samples in record order from column B of the sample block (row 42).
  EXPECT_NE(sheet.find("<c r=\"B42\" t=\"inlineStr\"><is><t>lot 1</t>"), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"C42\" t=\"inlineStr\"><is><t>lot 2</t>"), std::string::npos);
  EXPECT_EQ(sheet.find("<c r=\"C3\""), std::string::npos);  // one standard

  ASSERT_EQ(cli("report spreadsheet '" + path + "' '" + out + "' --lang cht", "").status, 0);
  EXPECT_NE(part("xl/worksheets/sheet1.xml").find(">標樣<"), std::string::npos);

  const struct {
    std::string args;
    int status;
    const char* message;
  } failures[] = {
      {"report spreadsheet '" + base + "/none.job' '" + out + "'", 1, "Open file failed!"},
      {"report spreadsheet '" + path + "' '" + base + "/plain/a.xlsx'", 1, "Not a directory"},
      {"report cumulative-pie '" + path + "' '" + out + "'", 2, "unknown report kind"},
      {"report spreadsheet '" + path + "'", 2, "usage:"},
      {"report spreadsheet '" + path + "' '" + out + "' --lang xx", 2, "usage:"},
  };
  for (const auto& f : failures) {
    const CliRun r = cli(f.args, "");
    EXPECT_EQ(r.status, f.status) << f.args;
    EXPECT_NE(r.err.find(f.message), std::string::npos) << f.args << ": " << r.err;
  }
  EXPECT_NE(cli("report cumulative-pie '" + path + "' '" + out + "'", "").err.find("spreadsheet"),
            std::string::npos);
  std::system(("rm -rf '" + base + "'").c_str());
}

// Every other report kind goes through the program's own report code: the
// PDF's text and the document's XML name the file's current records.
TEST(CorvanaCli, ReportDocumentsOfEveryKind) {
  corvana::JobManager manager;
  corvana::Job job(manager);
  corvana::MeasurementRecord r;
  r.reflectance.fill(0.4f);
  r.UseReflect = true;
  r.setName("current standard");
  job.addStandard(r, true);
  for (const char* name : {"lot 1", "lot 2"}) {
    r.setName(name);
    r.reflectance[10] += 0.05f;
    job.addSample(r, true);
  }
  char dir[] = "/tmp/corvana-cli-documents-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string base = dir, path = base + "/a.job";
  ASSERT_TRUE(corvana::writeJobFile(job, path));
  std::ofstream(base + "/plain") << "x";
  const auto textOf = [&](const std::string& file) {
    const std::string copy = base + "/text";
    const std::string read = file.ends_with(".pdf")
                                 ? "pdftotext '" + file + "' '" + copy + "'"
                                 : "unzip -p '" + file + "' word/document.xml > '" + copy + "'";
    std::system(read.c_str());
    return slurp(copy);
  };
  const struct {
    const char* kind;
    const char* extension;
    bool printed;
  } kinds[] = {{"diff", ".pdf", true},
               {"cumulative", ".pdf", true},
               {"word-diff", ".docx", false},
               {"word-cumulative", ".docx", false}};
  for (const auto& k : kinds) {
    const std::string out = base + "/" + k.kind + k.extension;
    const CliRun run = cli(std::string("report ") + k.kind + " '" + path + "' '" + out + "'", "");
#ifndef CORVANA_CLI_PRINT
    if (k.printed) {
      EXPECT_EQ(run.status, 2) << k.kind;
      continue;
    }
#endif
    ASSERT_EQ(run.status, 0) << k.kind << ": " << run.err;
    const std::string text = textOf(out);
    EXPECT_NE(text.find("current standard"), std::string::npos) << k.kind;
    EXPECT_NE(text.find("lot 2"), std::string::npos) << k.kind;
    // An output that cannot be written fails and leaves nothing.
    const CliRun blocked = cli(std::string("report ") + k.kind + " '" + path + "' '" + base +
                                   "/plain/x" + k.extension + "'",
                               "");
    EXPECT_EQ(blocked.status, 1) << k.kind;
    EXPECT_FALSE(blocked.err.empty()) << k.kind;
  }
  // word-diff2 is the CIE XYZ report; this job is CIE LAB.
  EXPECT_EQ(cli("report word-diff2 '" + path + "' '" + base + "/x.docx'", "").status, 1);
  std::system(("rm -rf '" + base + "'").c_str());
}

}  // namespace
