#include "instrument/standard_download.h"

#include <gtest/gtest.h>

#include <cstring>

#include "instrument/stored_records.h"
#include "sim_connection.h"

namespace corvana {
namespace {

MeasurementRecord curveStandard(const std::string& name) {
  MeasurementRecord r;
  r.setName(name);
  r.UseReflect = true;
  for (int i = 0; i < 31; ++i) r.reflectance[std::size_t(i)] = 0.2f + 0.01f * float(i);
  return r;
}

TEST(StandardSampleDataOf, ACurveStandard) {
  const StandardSampleData d = standardSampleDataOf(curveStandard("ABCDEFGHIJKLMN"));
  EXPECT_EQ(d.content, 2);
  EXPECT_EQ(d.illuminant, 0);
  EXPECT_EQ(d.colourValuesFlag, 0);
  // Only the first 9 bytes of a 14-character name.
  EXPECT_EQ(std::string(d.name, sizeof d.name), std::string("ABCDEFGHI\0\0\0", 12));
  EXPECT_EQ(d.values[30], 0.2f + 0.01f * 30.0f);
}

TEST(StandardSampleDataOf, AStandardWithoutCurve) {
  MeasurementRecord r;
  r.setName("Lab");
  r.L = 50, r.a = -2.5f, r.b = 7;
  r.illuminant = 2, r.observer = 0;
  r.reflectance.fill(0.3f);  // not sent: the standard has no curve
  const StandardSampleData d = standardSampleDataOf(r);
  EXPECT_EQ(d.content, 0);
  EXPECT_EQ(d.illuminant, 2);
  EXPECT_EQ(d.observer, 0);
  EXPECT_EQ(d.colourValuesFlag, 1);
  EXPECT_EQ(d.values[0], 50.0f);
  EXPECT_EQ(d.values[1], -2.5f);
  EXPECT_EQ(d.values[2], 7.0f);
  for (int i = 3; i < 31; ++i) EXPECT_EQ(d.values[i], 0.0f) << i;
}

TEST(StandardSampleDataOf, ANameIsNeverCutInsideACharacter) {
  // "标样标样" is 12 bytes in UTF-8: three characters (9 bytes) fit.
  const StandardSampleData d = standardSampleDataOf(curveStandard("标样标样"));
  EXPECT_STREQ(d.name, "标样标");
  const StandardSampleData e = standardSampleDataOf(curveStandard("AB标样标样"));
  EXPECT_STREQ(e.name, "AB标样");  // 8 bytes; a third character would need 11
}

TEST(DownloadNotices, SelectionAndResult) {
  EXPECT_EQ(downloadSelectionNotice(std::nullopt).text, "Please select standard!");
  EXPECT_FALSE(downloadSelectionNotice(0).shown());
  EXPECT_EQ(downloadResultNotice(API_SUCCESS).text,
            "Download standard to instrument successfully!");
  EXPECT_EQ(downloadResultNotice(API_INVALID_DEVICE_HANDLE).text,
            "Download standard to instrument failed!\n(Invalid device handle.)");
}

class Download : public testing::SimConnection {};

TEST_F(Download, TheInstrumentStoresTheStandard) {
  connect({"--standards", "2"});
  ASSERT_EQ(writeStandardToInstrument(standardSampleDataOf(curveStandard("ABCDEFGHIJKLMN"))),
            API_SUCCESS);
  MeasurementRecord lab;
  lab.setName("Lab");
  lab.L = 50, lab.a = -2.5f, lab.b = 7, lab.illuminant = 2;
  ASSERT_EQ(writeStandardToInstrument(standardSampleDataOf(lab)), API_SUCCESS);
  // Read back as an upload would.
  const StoredTransfer t = transferStoredRecords(RecordList::Standards, {0, 2, 2});
  ASSERT_EQ(t.result, API_SUCCESS);
  ASSERT_EQ(t.records.size(), 2u);
  EXPECT_STREQ(t.records[0].name, "ABCDEFGHI");
  EXPECT_EQ(t.records[0].reflectance[30], 0.2f + 0.01f * 30.0f);
  EXPECT_STREQ(t.records[1].name, "Lab");
  EXPECT_EQ(t.records[1].reference, -2);
  EXPECT_EQ(t.records[1].values[1], -2.5f);
  EXPECT_EQ(t.records[1].illuminant, 2);
}

TEST_F(Download, UnconnectedReportsTheInvalidHandle) {
  EXPECT_EQ(
      downloadResultNotice(writeStandardToInstrument(standardSampleDataOf(curveStandard("A"))))
          .text,
      "Download standard to instrument failed!\n(Invalid device handle.)");
}

}  // namespace
}  // namespace corvana
