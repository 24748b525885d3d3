#include "reports/report_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

namespace corvana {
namespace {

EnvironmentLookup envOf(std::map<std::string, std::string> values) {
  return [values](const char* name) {
    const auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
  };
}

TEST(DocumentsFolder, FromTheEnvironmentThenUserDirsThenHome) {
  const std::string userDirs =
      "# written by xdg-user-dirs-update\n"
      "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
      "XDG_DOCUMENTS_DIR=\"$HOME/文档\"\n";
  struct Case {
    std::map<std::string, std::string> env;
    std::string userDirs;
    std::string expected;
  };
  const Case cases[] = {
      {{{"HOME", "/home/lab"}, {"XDG_DOCUMENTS_DIR", "/srv/qc"}}, userDirs, "/srv/qc"},
      {{{"HOME", "/home/lab"}}, userDirs, "/home/lab/文档"},
      {{{"HOME", "/home/lab"}}, "XDG_DOCUMENTS_DIR=\"/data/docs\"\n", "/data/docs"},
      // A relative or unexpandable entry is not a folder; home's Documents is.
      {{{"HOME", "/home/lab"}}, "XDG_DOCUMENTS_DIR=\"docs\"\n", "/home/lab/Documents"},
      {{{"HOME", "/home/lab"}, {"XDG_DOCUMENTS_DIR", "relative"}}, "", "/home/lab/Documents"},
      {{}, userDirs, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(documentsFolderFrom(envOf(c.env), c.userDirs).string(), c.expected) << c.expected;
}

TEST(DocumentsFolder, IsCreatedWhenMissingAndAFileInTheWayIsReported) {
  const auto base = std::filesystem::temp_directory_path() / "corvana-report-files-test";
  std::filesystem::remove_all(base);
  const auto folder = base / "a" / "Documents";
  EXPECT_FALSE(ensureFolder(folder).has_value());
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_FALSE(ensureFolder(folder).has_value());  // already there

  std::ofstream(base / "file") << "x";
  const auto error = ensureFolder(base / "file" / "Documents");
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("file"), std::string::npos);
  EXPECT_TRUE(ensureFolder({}).has_value());
  std::filesystem::remove_all(base);
}

TEST(ReportFileName, TitleDateAndTime) {
  RecordTime t;
  t.year = 2024, t.month = 3, t.day = 2, t.hour = 9, t.minute = 5, t.second = 3;
  EXPECT_EQ(reportFileName("Export Data", t, ".xlsx"), "Export Data 2024-03-02 09-05-03.xlsx");
  EXPECT_EQ(reportFileName("色差报告", t, ".docx"), "色差报告 2024-03-02 09-05-03.docx");
  EXPECT_EQ(reportFileName("a/b", t, ".pdf"), "a_b 2024-03-02 09-05-03.pdf");
}

TEST(ReportFileName, AnExistingFileIsNeverReplaced) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("report-files-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string name = "Export Data 2024-03-02 09-05-03.xlsx";
  EXPECT_EQ(unusedReportPath(folder, name), folder / name);
  std::ofstream(folder / name) << "first";
  EXPECT_EQ(unusedReportPath(folder, name), folder / "Export Data 2024-03-02 09-05-03 (2).xlsx");
  std::ofstream(folder / "Export Data 2024-03-02 09-05-03 (2).xlsx") << "second";
  EXPECT_EQ(unusedReportPath(folder, name), folder / "Export Data 2024-03-02 09-05-03 (3).xlsx");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace corvana
