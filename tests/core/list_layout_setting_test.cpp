#include "core/list_layout_setting.h"

#include <gtest/gtest.h>

#include "core/record_list_rows.h"
#include "core/settings.h"
#include "settings_fixtures.h"

namespace corvana {
namespace {

using testing::TempFolder;
using testing::writeBytes;

TEST(ListLayoutSetting, SplitterSizesAreTwoWholePositiveNumbers) {
  struct Case {
    const char* text;
    std::vector<int> sizes;
  } cases[] = {
      {"650,700", {650, 700}},
      {"1,20000", {1, 20000}},
      {"", {}},
      {"650", {}},
      {"650,700,10", {}},
      {"0,700", {}},
      {"-5,700", {}},
      {"650,70x", {}},
      {" 650,700", {}},
      {"650,20001", {}},
      {"99999999999,1", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(parseSplitterSizes(c.text), c.sizes) << c.text;
}

TEST(ListLayoutSetting, ColumnWidthsSkipWhatIsNotAColumnOrAWidth) {
  const auto widths = parseColumnWidths(
      "Name=140;Value0=52;Difference5=60;Grade=80;Material=4;Bogus=50;Value=50;ValueX=50;"
      "Number=;=40;Number=70=1;;Number=61");
  const std::map<std::string, int> expected = {
      {"Name", 140}, {"Value0", 52}, {"Difference5", 60}, {"Grade", 80}, {"Number", 61}};
  EXPECT_EQ(widths, expected);
  EXPECT_EQ(parseColumnWidths(columnWidthsText(expected)), expected);
  EXPECT_EQ(columnKey({ListColumn::Difference, 3, 0}), "Difference3");
  EXPECT_EQ(columnKey({ListColumn::Value, 0, 0}), "Value0");
}

TEST(ListLayoutSetting, WrittenBesideOtherSettingsAndReadBack) {
  TempFolder folder;
  const std::string path = folder.file("Settings.xml");
  ASSERT_TRUE(writeSetting(path, "Lang|Lang", "CHS"));
  ListLayout layout;
  layout.plotSplitter = {420, 860};
  layout.listSplitter = {150, 400};
  layout.sampleColumns = {{"Name", 180}, {"Difference5", 58}};
  ASSERT_TRUE(writeListLayout(path, layout));
  EXPECT_EQ(readListLayout(path), layout);
  EXPECT_EQ(readSettingText(loadSettings(path), "Lang|Lang"), "CHS");
  // A later write of only some parts keeps the others.
  ListLayout columnsOnly;
  columnsOnly.standardColumns = {{"Name", 90}};
  ASSERT_TRUE(writeListLayout(path, columnsOnly));
  layout.standardColumns = columnsOnly.standardColumns;
  EXPECT_EQ(readListLayout(path), layout);
}

TEST(ListLayoutSetting, AMissingOrDamagedFileGivesNothing) {
  TempFolder folder;
  EXPECT_EQ(readListLayout(folder.file("none.xml")), ListLayout{});
  const std::string path = folder.file("Settings.xml");
  writeBytes(path, "<Layout PlotSplitter=\"10\" SampleColumns=\"Name=x\"/>");
  EXPECT_EQ(readListLayout(path), ListLayout{});
}

}  // namespace
}  // namespace corvana
