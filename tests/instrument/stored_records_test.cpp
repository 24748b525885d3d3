#include "instrument/stored_records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/job.h"
#include "core/job_manager.h"
#include "language_scope.h"

namespace corvana {
namespace {

TEST(FieldInteger, LeadingDecimalIntegerOrZero) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"12", 12}, {" 7", 7},  {"3abc", 3},
               {"abc", 0}, {"", 0},    {"-4", -4},
               {"+5", 5},  {"2.9", 2}, {"99999999999", 2147483647}};
  for (const auto& c : cases) EXPECT_EQ(fieldInteger(c.text), c.value) << c.text;
}

StoredCount holding(int available) { return {true, API_SUCCESS, available}; }

std::string messageOf(const std::variant<UploadRange, std::string>& v) {
  return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : "(range)";
}

TEST(ValidateUpload, ChecksInTheirOrder) {
  const auto S = RecordList::Standards, P = RecordList::Samples;
  const struct {
    RecordList kind;
    UploadFields fields;
    StoredCount stored;
    const char* message;
  } cases[] = {
      // Not connected comes before any field.
      {S, {"", "", "", "", ""}, StoredCount{}, "Instrument disconnected!"},
      {S, {"", "", "3", "", ""}, holding(4), "Starting standard number empty!"},
      {P, {"", "", "", "", ""}, holding(4), "Starting sample number empty!"},
      {S, {"", "2", "", "", ""}, holding(4), "Standard count empty!"},
      {P, {"", "2", "", "", ""}, holding(4), "Sample count empty!"},
      // The standard number is looked at only after the first and count fields.
      {P, {"", "1", "1", "", ""}, holding(4), "Standard number empty!"},
      {S, {"", "2", "3", "", ""}, holding(3), "Standard number overrange!(From 1 to 3)"},
      {P, {"1", "4", "2", "", ""}, holding(4), "Sample number overrange!(From 1 to 4)"},
      {S, {"", "1", "0", "", ""}, holding(4), "Standard number overrange!(From 1 to 4)"},
      {S, {"", "0", "1", "", ""}, holding(4), "Standard number overrange!(From 1 to 4)"},
      {S, {"", "-3", "2", "", ""}, holding(4), "Standard number overrange!(From 1 to 4)"},
      {S, {"", "5", "1", "", ""}, holding(4), "Standard number overrange!(From 1 to 4)"},
      {S, {"", "x", "1", "", ""}, holding(4), "Standard number overrange!(From 1 to 4)"},
      {S, {"", "1", "2147483647", "", ""}, holding(4), "Standard number overrange!(From 1 to 4)"},
      {S, {"", "1", "1", "", ""}, holding(0), "There is no standard record!"},
      {P, {"2", "1", "1", "", ""}, holding(0), "There is no sample record in the standard!"},
      // A count the instrument did not give is its failure, not "no record".
      {S,
       {"", "1", "1", "", ""},
       StoredCount{true, API_TIMEOUT, 0},
       "Execute failed!\n(Overtime.)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(messageOf(validateUpload(c.kind, c.fields, c.stored)), c.message);
}

TEST(ValidateUpload, TheRangeToTransfer) {
  auto v = validateUpload(RecordList::Standards, {"", "2", "3", "P", ""}, holding(4));
  ASSERT_TRUE(std::holds_alternative<UploadRange>(v)) << messageOf(v);
  EXPECT_EQ(std::get<UploadRange>(v).standardNumber, 0);
  EXPECT_EQ(std::get<UploadRange>(v).firstIndex, 1);
  EXPECT_EQ(std::get<UploadRange>(v).count, 3);
  v = validateUpload(RecordList::Samples, {"2", "1", "4", "", ""}, holding(4));
  ASSERT_TRUE(std::holds_alternative<UploadRange>(v)) << messageOf(v);
  EXPECT_EQ(std::get<UploadRange>(v).standardNumber, 2);
  EXPECT_EQ(std::get<UploadRange>(v).firstIndex, 0);
}

StoredRecord stored(std::uint16_t number, const char* name, std::int16_t reference = 0) {
  StoredRecord r = {};
  r.day = 6, r.month = 5, r.year = 2014, r.second = 7, r.minute = 3, r.hour = 9;
  r.values[0] = 52.25f, r.values[1] = -3.5f, r.values[2] = 12.75f, r.values[3] = 1, r.values[4] = 2;
  r.illuminant = 6, r.observer = 0, r.mode = 1;
  r.number = number;
  std::strncpy(r.name, name, 9);
  r.reference = reference;
  for (int i = 0; i < 31; ++i) r.reflectance[i] = 0.01f * float(i + 1);
  return r;
}

TEST(RecordFromStored, NamesFromThePrefixAndTheStoredName) {
  const RecordTime now{1, 2, 2026, 0, 0, 0};
  const struct {
    RecordList kind;
    std::uint16_t number;
    const char* storedName;
    const char* prefix;
    const char* name;
  } cases[] = {
      {RecordList::Standards, 4, "ABC", "P", "P5_ABC"},
      {RecordList::Samples, 4, "ABC", "P", "P4_ABC"},
      {RecordList::Standards, 0, "", "", "1_"},
      {RecordList::Samples, 12, "X", "L%yy-", "L26-12_X"},
      // The instrument's name is data: its "%" is kept, never expanded.
      {RecordList::Standards, 1, "50%OFF%d", "P", "P2_50%OFF%d"},
      {RecordList::Standards, 2, "123456789", "", "3_123456789"},
  };
  for (const auto& c : cases) {
    const MeasurementRecord r =
        recordFromStored(stored(c.number, c.storedName), c.kind, c.prefix, "Cotton", now);
    EXPECT_EQ(r.nameUtf8(), c.name);
    EXPECT_EQ(r.materialUtf8(), "Cotton");
  }
}

TEST(RecordFromStored, FieldsAsStored) {
  const MeasurementRecord r =
      recordFromStored(stored(7, "ABC", 3), RecordList::Standards, "P", "", RecordTime{});
  EXPECT_EQ(r.time, (RecordTime{6, 5, 2014, 7, 3, 9}));
  EXPECT_EQ(r.L, 52.25f);
  EXPECT_EQ(r.a, -3.5f);
  EXPECT_EQ(r.b, 12.75f);
  EXPECT_EQ(r.illuminant, 6);
  EXPECT_EQ(r.observer, 0);
  EXPECT_EQ(r.mode, 1);
  EXPECT_EQ(r.instrument[0], 7);
  EXPECT_EQ(r.instrument[1], 3);
  EXPECT_EQ(r.reflectance[30], 0.31f);
  EXPECT_TRUE(r.UseReflect);
  EXPECT_EQ(r.SerialNumber, -1);
}

TEST(RecordFromStored, AStandardHeldAsColourValuesHasNoCurve) {
  const StoredRecord s = stored(2, "GREEN", -2);
  EXPECT_FALSE(recordFromStored(s, RecordList::Standards, "", "", RecordTime{}).UseReflect);
  // Only standards carry that mark.
  EXPECT_TRUE(recordFromStored(s, RecordList::Samples, "", "", RecordTime{}).UseReflect);
}

TEST(RecordFromStored, ANameCutInsideACharacterLosesOnlyThatCharacter) {
  // Nine bytes of UTF-8: two Chinese characters and the first bytes of a third.
  StoredRecord s = stored(0, "");
  std::memcpy(s.name, "\xE6\xA0\x87\xE6\xA0\xB7\xE7\xBA", 8);
  const MeasurementRecord r = recordFromStored(s, RecordList::Standards, "", "", RecordTime{});
  EXPECT_EQ(r.nameUtf8(), "1_标样");
}

TEST(AddStoredRecords, AFailedTransferAddsNothing) {
  JobManager manager;
  Job job(manager);
  StoredTransfer failed;
  failed.result = API_TIMEOUT;
  failed.records = {stored(0, "A")};  // whatever arrived before the failure
  const Notice n = addStoredRecords(job, RecordList::Standards, failed, "P", "", RecordTime{});
  EXPECT_EQ(n.kind, Notice::Failure);
  EXPECT_EQ(n.text, "Execute failed!\n(Overtime.)");
  EXPECT_EQ(job.standardCount(), 0);
  EXPECT_FALSE(job.modified());
}

// A transfer that lost records says how many came and which to ask for again,
// in the user's numbers; nothing of it is added.
TEST(AddStoredRecords, APartlyArrivedTransferAddsNothingAndNamesTheRange) {
  const auto S = RecordList::Standards, P = RecordList::Samples;
  const struct {
    std::uint8_t language;
    RecordList kind;
    UploadRange range;
    int arrived;
    const char* text;
  } cases[] = {
      {English,
       S,
       {0, 0, 2000},
       1998,
       "Only 1998 of 2000 standards arrived; nothing was added.\n"
       "Upload standards 1 to 2000 again."},
      {English,
       P,
       {3, 1, 4},
       2,
       "Only 2 of 4 samples arrived; nothing was added.\n"
       "Upload samples 2 to 5 of standard 3 again."},
      {ChineseSimplified,
       S,
       {0, 9, 5},
       0,
       "只收到 0 个标样（共 5 个），未添加任何记录。\n请重新上传标样 10 至 14。"},
      {ChineseSimplified,
       P,
       {3, 1, 4},
       2,
       "只收到 2 个试样（共 4 个），未添加任何记录。\n请重新上传试样 2 至 5（标样 3）。"},
      {ChineseTraditional,
       S,
       {0, 0, 2000},
       1998,
       "只收到 1998 個標樣（共 2000 個），未添加任何記錄。\n請重新上傳標樣 1 至 2000。"},
      {ChineseTraditional,
       P,
       {3, 1, 4},
       2,
       "只收到 2 個試樣（共 4 個），未添加任何記錄。\n請重新上傳試樣 2 至 5（標樣 3）。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    testing::LanguageScope language(c.language);
    JobManager manager;
    Job job(manager);
    StoredTransfer t;
    t.result = API_TRANSFER_INCOMPLETE;
    t.range = c.range;
    t.arrived = c.arrived;
    t.records = {stored(0, "A")};  // even records that did come are not added
    const Notice n = addStoredRecords(job, c.kind, t, "P", "", RecordTime{});
    EXPECT_EQ(n.kind, Notice::Failure);
    EXPECT_EQ(n.text, c.text);
    EXPECT_EQ(job.standardCount() + job.sampleCount(), 0);
    EXPECT_FALSE(job.modified());
  }
}

TEST(AddStoredRecords, DeliveredRecordsAreAddedWithoutSelectingThem) {
  JobManager manager;
  Job job(manager);
  MeasurementRecord first;
  first.UseReflect = true;
  job.addSample(first, true);
  StoredTransfer t;
  t.result = API_SUCCESS;
  t.records = {stored(1, "A"), stored(2, "B")};
  const Notice n = addStoredRecords(job, RecordList::Samples, t, "S", "", RecordTime{});
  EXPECT_EQ(n.kind, Notice::Information);
  EXPECT_EQ(n.text, "Execute successfully!");
  ASSERT_EQ(job.sampleCount(), 3);
  EXPECT_EQ(job.sample(2).nameUtf8(), "S2_B");
  EXPECT_EQ(job.currentSample, 0);
}

}  // namespace
}  // namespace corvana
