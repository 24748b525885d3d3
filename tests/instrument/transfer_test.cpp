// Uploading stored records through the real libColorport from the real
// colorport-sim, with its faults.
#include <gtest/gtest.h>

#include "core/job.h"
#include "core/job_manager.h"
#include "instrument/stored_records.h"
#include "sim_connection.h"

namespace corvana {
namespace {

class Upload : public testing::SimConnection {
 protected:
  // The dialog's Upload button: count, check, transfer, add.
  Notice upload(RecordList kind, const UploadFields& fields) {
    const StoredCount stored = readStoredCount(kind, fieldInteger(fields.standardNumber));
    auto checked = validateUpload(kind, fields, stored);
    if (auto* message = std::get_if<std::string>(&checked)) return Notice::failure(*message);
    return addStoredRecords(job, kind, transferStoredRecords(kind, std::get<UploadRange>(checked)),
                            fields.prefix, fields.material, RecordTime{});
  }
  JobManager manager;
  Job job{manager};
};

TEST_F(Upload, StandardsTwoToFourOfFour) {
  connect({"--standards", "4"});
  const Notice n = upload(RecordList::Standards, {"", "2", "3", "P", "Cotton"});
  EXPECT_EQ(n.text, "Execute successfully!");
  ASSERT_EQ(job.standardCount(), 3);
  // Stored standards are numbered from 0: the second is number 1, named P2_.
  EXPECT_EQ(job.standard(0).nameUtf8(), "P2_YELLOW");
  EXPECT_EQ(job.standard(1).nameUtf8(), "P3_GREEN");
  EXPECT_EQ(job.standard(2).nameUtf8(), "P4_BLUE");
  EXPECT_EQ(job.standard(2).materialUtf8(), "Cotton");
  EXPECT_EQ(job.standard(0).instrument[0], 1);
  // The simulator holds its third standard as colour values only.
  EXPECT_FALSE(job.standard(1).UseReflect);
  EXPECT_EQ(job.standard(1).instrument[1], -2);
  EXPECT_TRUE(job.standard(0).UseReflect);
  EXPECT_GT(job.standard(0).reflectance[20], 0.0f);
  EXPECT_TRUE(job.standard(0).time.isValid());
  const TransferProgress progress = readTransferProgress();
  EXPECT_EQ(progress, (TransferProgress{3, 3}));
  EXPECT_EQ(transferProgressText(progress), "3 of 3 records received");
}

TEST_F(Upload, OneTooManyIsOutOfRange) {
  connect({"--standards", "3"});
  EXPECT_EQ(upload(RecordList::Standards, {"", "2", "3", "P", ""}).text,
            "Standard number overrange!(From 1 to 3)");
  EXPECT_EQ(job.standardCount(), 0);
}

TEST_F(Upload, SamplesUnderAStandardNumber) {
  connect();
  EXPECT_EQ(upload(RecordList::Samples, {"", "1", "2", "Q", ""}).text, "Standard number empty!");
  EXPECT_EQ(upload(RecordList::Samples, {"9", "1", "1", "Q", ""}).text,
            "There is no sample record in the standard!");
  EXPECT_EQ(upload(RecordList::Samples, {"1", "2", "3", "Q", ""}).text, "Execute successfully!");
  ASSERT_EQ(job.sampleCount(), 3);
  // Stored samples are numbered from 1 and keep their number.
  EXPECT_EQ(job.sample(0).nameUtf8(), "Q2_S1-2");
  EXPECT_EQ(job.sample(2).nameUtf8(), "Q4_S1-4");
  EXPECT_EQ(job.currentSample, 0);  // the first added into an empty list
}

TEST_F(Upload, NoStoredStandards) {
  connect({"--standards", "0"});
  EXPECT_EQ(upload(RecordList::Standards, {"", "1", "1", "", ""}).text,
            "There is no standard record!");
}

TEST_F(Upload, UnconnectedSaysSoBeforeLookingAtTheFields) {
  EXPECT_EQ(upload(RecordList::Standards, {"", "", "", "", ""}).text, "Instrument disconnected!");
  EXPECT_EQ(readTransferProgress(), (TransferProgress{0, 0}));
}

TEST_F(Upload, ATransferOverFramesFullOfFaultsArrivesWhole) {
  connect({"--standards", "5", "--records-per-frame", "1"});
  ASSERT_TRUE(sim_->control("garbage 20"));
  ASSERT_TRUE(sim_->control("split"));
  EXPECT_EQ(upload(RecordList::Standards, {"", "1", "5", "", ""}).text, "Execute successfully!");
  EXPECT_EQ(job.standardCount(), 5);
  EXPECT_EQ(job.standard(4).nameUtf8(), "5_GREYCARD9");
}

TEST_F(Upload, ADeviceThatVanishesHalfWayAddsNothingAndSaysSo) {
  connect({"--standards", "5", "--records-per-frame", "1"});
  // The count, the range and the first data frame, then the device is gone.
  ASSERT_TRUE(sim_->control("vanish-after 3"));
  const Notice n = upload(RecordList::Standards, {"", "1", "4", "P", ""});
  EXPECT_EQ(n.kind, Notice::Failure);
  EXPECT_EQ(n.text, "Execute failed!\n(Device disconnected.)");
  // The one record that came before the loss was not kept.
  EXPECT_EQ(readTransferProgress(), (TransferProgress{1, 4}));
  EXPECT_EQ(job.standardCount(), 0);
  EXPECT_FALSE(job.modified());
}

TEST_F(Upload, ATransferThatLostRecordsAddsNothingAndSaysWhichToUploadAgain) {
  const struct {
    const char* what;
    std::vector<std::string> options;
    const char* fault;  // truncate KEEP SKIP, SKIP counting the count and range answers
    RecordList kind;
    UploadFields fields;
    const char* text;
    TransferProgress progress;
  } cases[] = {
      // Two records a frame: the 251st frame comes with its header only.
      {"2000 standards, one frame emptied",
       {"--standards", "2000"},
       "truncate 3 252",
       RecordList::Standards,
       {"", "1", "2000", "P", ""},
       "Only 1998 of 2000 standards arrived; nothing was added.\n"
       "Upload standards 1 to 2000 again.",
       {1998, 2000}},
      // Samples 2 to 4 of standard 1: the first frame ends inside its second record.
      {"samples, a frame ending inside a record",
       {},
       "truncate 220 2",
       RecordList::Samples,
       {"1", "2", "3", "Q", ""},
       "Only 2 of 3 samples arrived; nothing was added.\n"
       "Upload samples 2 to 4 of standard 1 again.",
       {2, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    connect(c.options);
    ASSERT_TRUE(sim_->control(c.fault));
    const Notice n = upload(c.kind, c.fields);
    EXPECT_EQ(n.kind, Notice::Failure);
    EXPECT_EQ(n.text, c.text);
    EXPECT_EQ(readTransferProgress(), c.progress);
    EXPECT_EQ(job.standardCount() + job.sampleCount(), 0);
    EXPECT_FALSE(job.modified());
    // The same range again, now whole.
    EXPECT_EQ(upload(c.kind, c.fields).text, "Execute successfully!");
    EXPECT_EQ(job.standardCount() + job.sampleCount(), c.progress.requested);
    handlePortRemoval({sim_->path(), {}});
    job.clearRecords();
    job.setModified(false);
  }
}

TEST_F(Upload, ARefusedTransferAddsNothing) {
  connect({"--standards", "5"});
  const StoredCount stored = readStoredCount(RecordList::Standards, 0);
  ASSERT_EQ(stored.available, 5);
  ASSERT_TRUE(sim_->control("status 3"));
  const StoredTransfer t = transferStoredRecords(RecordList::Standards, {0, 0, 2});
  EXPECT_EQ(t.result, API_EXECUTE_REQUEST_FAILED);
  EXPECT_TRUE(t.records.empty());
  EXPECT_EQ(addStoredRecords(job, RecordList::Standards, t, "", "", RecordTime{}).text,
            "Execute failed!\n(Execute request failed.)");
  EXPECT_EQ(job.standardCount(), 0);
}

}  // namespace
}  // namespace corvana
