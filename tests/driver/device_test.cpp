// The real serial layer and framing (SerialPortSpectrophotometer) against the
// real colorport-sim on a pseudo-terminal.
#include "driver/serial_port_spectrophotometer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "driver/port_numbers.h"
#include "fake_sysfs.h"
#include "sim_process.h"

namespace colorport {
namespace {

using namespace std::chrono_literals;
using test::SimProcess;

constexpr auto kAnswerTimeout = 5000ms;
constexpr auto kNoAnswerTimeout = 300ms;

struct DeviceDeleter {
  void operator()(SerialPortSpectrophotometer* d) const { Spectrophotometer::Release(d); }
};
using Device = std::unique_ptr<SerialPortSpectrophotometer, DeviceDeleter>;

Device makeDevice() {
  return Device(static_cast<SerialPortSpectrophotometer*>(Spectrophotometer::Create()));
}

class DeviceTest : public ::testing::Test {
 protected:
  void start(const std::vector<std::string>& options = {}) {
    sim_ = std::make_unique<SimProcess>(options);
    ASSERT_FALSE(sim_->path().empty()) << "colorport-sim did not start";
    device_ = makeDevice();
    // Generous for answers that come; tests that expect none shorten it.
    device_->setResponseTimeout(kAnswerTimeout);
    // Opened by the number the library gives the path: the numbered route.
    ASSERT_EQ(device_->Open(portNumberFor(sim_->path())), API_SUCCESS);
  }
  std::vector<StoredRecord> upload(std::uint16_t kind, std::uint16_t standard, std::uint16_t first,
                                   std::uint16_t count, ApiResult* result = nullptr) {
    std::vector<StoredRecord> records(count);
    StoredRecordBuffer buffer{-1, records.data()};
    const ApiResult r = device_->GetSampleData(kind, standard, first, count, &buffer);
    if (result) *result = r;
    if (r != API_SUCCESS) return {};
    records.resize(static_cast<std::size_t>(buffer.count));
    return records;
  }

  std::unique_ptr<SimProcess> sim_;
  Device device_;
};

TEST_F(DeviceTest, DeviceInfoOfTheSimulatedInstrument) {
  start();
  DeviceInfo info{};
  ASSERT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
  EXPECT_STREQ(info.model, "CM-750 Spectrophotometer");
  EXPECT_STREQ(info.whiteBoardNumber, "ZW0042");
  EXPECT_EQ(info.storedStandards, 5);
  EXPECT_EQ(info.storedSamples, 7);
  EXPECT_EQ(info.blackCalibrated, 1);
  EXPECT_EQ(info.whiteCalibrated, 1);
  EXPECT_EQ(device_->GetDeviceInfo(nullptr), API_INVALID_PARAMETER);
}

TEST_F(DeviceTest, MeasureGivesColourValuesAndCurve) {
  start();
  MeasureResult m{};
  ASSERT_EQ(device_->Measure(0, &m), API_SUCCESS);  // the simulator's first colour is a red
  EXPECT_GT(m.L, 30.0f);
  EXPECT_LT(m.L, 70.0f);
  EXPECT_GT(m.a, 30.0f);
  EXPECT_GT(m.reflectance[30], 0.5f);
  EXPECT_LT(m.reflectance[0], 0.2f);
  MeasureResult sample{};
  ASSERT_EQ(device_->Measure(1, &sample), API_SUCCESS);  // a sample of that standard: close to it
  EXPECT_NEAR(sample.L, m.L, 3.0f);
  EXPECT_NEAR(sample.a, m.a, 3.0f);
  EXPECT_EQ(device_->Measure(2, &m), API_INVALID_PARAMETER);
  EXPECT_EQ(device_->Measure(1, nullptr), API_INVALID_PARAMETER);
}

TEST_F(DeviceTest, CalibrationStateGatesMeasuring) {
  start({"--uncalibrated"});
  MeasureResult m{};
  EXPECT_EQ(device_->Measure(1, &m), API_EXECUTE_REQUEST_FAILED);
  EXPECT_EQ(device_->Calibrate(2), API_INVALID_PARAMETER);
  ASSERT_EQ(device_->Calibrate(0), API_SUCCESS);
  ASSERT_EQ(device_->Calibrate(1), API_SUCCESS);
  DeviceInfo info{};
  ASSERT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
  EXPECT_EQ(info.blackCalibrated, 1);
  EXPECT_EQ(info.whiteCalibrated, 1);
  EXPECT_EQ(device_->Measure(1, &m), API_SUCCESS);
}

TEST_F(DeviceTest, SampleCountsFromTheStatusEightAnswer) {
  start();
  struct Case {
    std::int32_t kind;
    std::uint16_t standard;
    std::uint32_t count;
  };
  for (const Case c : {Case{0, 0, 5}, Case{1, 1, 4}, Case{1, 2, 3}, Case{1, 5, 0}}) {
    std::uint32_t n = 1234;
    ASSERT_EQ(device_->GetSampleCount(c.kind, c.standard, &n), API_SUCCESS);
    EXPECT_EQ(n, c.count) << c.kind << "/" << c.standard;
  }
  std::uint32_t n = 0;
  EXPECT_EQ(device_->GetSampleCount(2, 0, &n), API_INVALID_PARAMETER);
  EXPECT_EQ(device_->GetSampleCount(0, 0, nullptr), API_INVALID_PARAMETER);
}

TEST_F(DeviceTest, TransferOfAllStandardsOverSeveralFrames) {
  start();  // two records per data frame: three frames and two acknowledgements
  const std::vector<StoredRecord> r = upload(0, 0, 0, 5);
  ASSERT_EQ(r.size(), 5u);
  const char* names[] = {"RED", "YELLOW", "GREEN", "BLUE", "GREYCARD9"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(r[i].number, i);
    EXPECT_STREQ(r[i].name, names[i]);
    EXPECT_EQ(r[i].year, 2026);
  }
  EXPECT_EQ(r[2].reference, -2);  // held as colour values only
  EXPECT_EQ(r[2].reflectance[15], 0.0f);
  EXPECT_EQ(r[0].reference, 0);
  EXPECT_NEAR(r[4].values[0], 70.8f, 1.0f);  // a 42 % grey
  EXPECT_NEAR(r[4].reflectance[15], 0.42f, 0.02f);
}

TEST_F(DeviceTest, TransferOfARangeAndOfSamples) {
  start({"--records-per-frame", "1"});
  std::vector<StoredRecord> r = upload(0, 0, 2, 3);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].number, 2);
  EXPECT_EQ(r[2].number, 4);
  r = upload(1, 1, 1, 3);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0].number, 2);
  EXPECT_STREQ(r[0].name, "S1-2");
}

TEST_F(DeviceTest, TransferChecksAndRefusals) {
  start();
  std::vector<StoredRecord> records(5);
  StoredRecordBuffer buffer{-1, records.data()};
  EXPECT_EQ(device_->GetSampleData(1, 0, 0, 5, &buffer), API_INVALID_PARAMETER);
  EXPECT_EQ(device_->GetSampleData(0, 0, 0, 0, &buffer), API_INVALID_PARAMETER);
  EXPECT_EQ(device_->GetSampleData(2, 0, 0, 1, &buffer), API_INVALID_PARAMETER);
  EXPECT_EQ(device_->GetSampleData(0, 0, 0, 1, nullptr), API_INVALID_PARAMETER);
  StoredRecordBuffer noArray{-1, nullptr};
  EXPECT_EQ(device_->GetSampleData(0, 0, 0, 1, &noArray), API_INVALID_PARAMETER);
  // Beyond what is stored: the instrument refuses the range.
  EXPECT_EQ(device_->GetSampleData(0, 0, 3, 5, &buffer), API_EXECUTE_REQUEST_FAILED);
  EXPECT_EQ(buffer.count, -1);
  ApiResult r;
  EXPECT_EQ(upload(0, 0, 0, 5, &r).size(), 5u);  // and the line works on
}

TEST_F(DeviceTest, DeleteStandardAndSamples) {
  start();
  ASSERT_EQ(device_->DeleteSampleData(0, 4), API_SUCCESS);
  std::uint32_t n = 0;
  ASSERT_EQ(device_->GetSampleCount(0, 0, &n), API_SUCCESS);
  EXPECT_EQ(n, 4u);
  EXPECT_EQ(device_->DeleteSampleData(0, 4), API_EXECUTE_REQUEST_FAILED);
  ASSERT_EQ(device_->DeleteSampleData(1, 1), API_SUCCESS);
  ASSERT_EQ(device_->GetSampleCount(1, 1, &n), API_SUCCESS);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(device_->DeleteSampleData(3, 1), API_INVALID_PARAMETER);
}

TEST_F(DeviceTest, WrittenStandardsComeBackWithClockAndNineNameBytes) {
  start();
  ASSERT_EQ(device_->SetDateTime(2014, 5, 6, 13, 45), API_SUCCESS);
  StandardSampleData curve{};
  curve.content = 2;
  std::strcpy(curve.name, "FOURTEENCHAR");
  for (int i = 0; i < 31; ++i) curve.values[i] = 0.3f + 0.01f * static_cast<float>(i);
  ASSERT_EQ(device_->WriteStandardSampleData(&curve), API_SUCCESS);
  StandardSampleData lab{};
  lab.content = 0;
  lab.illuminant = 2;
  lab.observer = 0;
  lab.colourValuesFlag = 1;
  std::strcpy(lab.name, "LAB");
  lab.values[0] = 55.5f;
  lab.values[1] = -4.25f;
  lab.values[2] = 10.0f;
  ASSERT_EQ(device_->WriteStandardSampleData(&lab), API_SUCCESS);
  EXPECT_EQ(device_->WriteStandardSampleData(nullptr), API_INVALID_PARAMETER);

  const std::vector<StoredRecord> r = upload(0, 0, 5, 2);
  ASSERT_EQ(r.size(), 2u);
  EXPECT_STREQ(r[0].name, "FOURTEENC");
  EXPECT_EQ(r[0].year, 2014);
  EXPECT_EQ(r[0].month, 5);
  EXPECT_EQ(r[0].day, 6);
  EXPECT_EQ(r[0].hour, 13);
  EXPECT_EQ(r[0].minute, 45);
  EXPECT_EQ(r[0].reflectance[30], 0.3f + 0.01f * 30.0f);
  EXPECT_EQ(r[1].reference, -2);
  EXPECT_EQ(r[1].illuminant, 2);
  EXPECT_THAT(std::vector<float>(r[1].values, r[1].values + 3),
              ::testing::ElementsAre(55.5f, -4.25f, 10.0f));
  EXPECT_EQ(device_->SetDateTime(2014, 13, 6, 13, 45), API_EXECUTE_REQUEST_FAILED);  // no month 13
}

TEST_F(DeviceTest, WhiteBoardRoundTrip) {
  start();
  WhiteBoardData w{};
  std::strcpy(w.innerName,
              "INNER-0123456789-0123456789-012");  // 31 characters, the most a field holds
  std::strcpy(w.outerName, "O2");
  for (int i = 0; i < 31; ++i) w.values[i] = 90.0f + 0.125f * static_cast<float>(i);
  ASSERT_EQ(device_->WriteWhiteBoardData(&w), API_SUCCESS);
  WhiteBoardData back{};
  ASSERT_EQ(device_->ReadWhiteBoardData(&back), API_SUCCESS);
  EXPECT_STREQ(back.innerName, w.innerName);
  EXPECT_STREQ(back.outerName, "O2");
  EXPECT_EQ(back.values[30], w.values[30]);
}

TEST_F(DeviceTest, ServiceSettingsRoundTrip) {
  start();
  std::uint16_t integration = 0;
  ASSERT_EQ(device_->GetIntegrationTimes(&integration), API_SUCCESS);
  EXPECT_EQ(integration, 0x1234);
  ASSERT_EQ(device_->SetIntegrationTimes(0xBEEF), API_SUCCESS);
  ASSERT_EQ(device_->GetIntegrationTimes(&integration), API_SUCCESS);
  EXPECT_EQ(integration, 0xBEEF);

  std::uint8_t v = 0;
  ASSERT_EQ(device_->SetSimplingTimes(0x13),
            API_SUCCESS);  // a flow-control byte goes through untouched
  ASSERT_EQ(device_->GetSimplingTimes(&v), API_SUCCESS);
  EXPECT_EQ(v, 0x13);
  ASSERT_EQ(device_->SetHighVoltageLevelPullingTimes(0x11), API_SUCCESS);
  ASSERT_EQ(device_->GetHighVoltageLevelPullingTimes(&v), API_SUCCESS);
  EXPECT_EQ(v, 0x11);

  std::int32_t threshold = 0;
  ASSERT_EQ(device_->SetCorrectionAlgorithmThreshold(-123456), API_SUCCESS);
  ASSERT_EQ(device_->GetCorrectionAlgorithmThreshold(&threshold), API_SUCCESS);
  EXPECT_EQ(threshold, -123456);

  std::uint8_t gains[32];
  for (int i = 0; i < 32; ++i) gains[i] = static_cast<std::uint8_t>(100 + i);
  ASSERT_EQ(device_->SetDacGain(gains), API_SUCCESS);
  DacData dac{};
  ASSERT_EQ(device_->GetDacData(&dac), API_SUCCESS);
  EXPECT_EQ(dac.bytes[31], 131);
  EXPECT_EQ(dac.values[1], 1837);
  DacLightRange range{};
  ASSERT_EQ(device_->GetDacLightRange(&range), API_SUCCESS);
  EXPECT_EQ(range.first[0], 200);
  EXPECT_EQ(range.second[31], 3869);

  RasterCoefficients raster{{1, -2, 3, -4, 5, -6}, {70000, -80000, 0, 1, 2, 3}};
  ASSERT_EQ(device_->WriteRasterCoefficients(&raster), API_SUCCESS);
  RasterCoefficients rasterBack{};
  ASSERT_EQ(device_->ReadRasterCoefficients(&rasterBack), API_SUCCESS);
  EXPECT_EQ(0, std::memcmp(&raster, &rasterBack, sizeof raster));

  MeasureParameter mp{{9, 8, 7, 6, 5, 4}};
  ASSERT_EQ(device_->SetMeasureParameter(&mp), API_SUCCESS);
  MeasureParameter mpBack{};
  ASSERT_EQ(device_->GetMeasureParameter(&mpBack), API_SUCCESS);
  EXPECT_EQ(0, std::memcmp(&mp, &mpBack, sizeof mp));

  ComputeParameter cp{3, 4, {10, -20, 30, -40, 50, -60, 70}};
  ASSERT_EQ(device_->SetComputeParameter(&cp), API_SUCCESS);
  ComputeParameter cpBack{};
  ASSERT_EQ(device_->GetComputeParameter(&cpBack), API_SUCCESS);
  EXPECT_EQ(cpBack.second, 4);
  EXPECT_THAT(cpBack.values, ::testing::ElementsAre(10, -20, 30, -40, 50, -60, 70));

  EXPECT_EQ(device_->SetMotorRatating(2, 0x0304), API_SUCCESS);
}

TEST_F(DeviceTest, NoAnswerTimesOutAndLineRecovers) {
  start();
  ASSERT_TRUE(sim_->control("no-answer 1"));
  DeviceInfo info{};
  device_->setResponseTimeout(kNoAnswerTimeout);
  EXPECT_EQ(device_->GetDeviceInfo(&info), API_TIMEOUT);
  device_->setResponseTimeout(kAnswerTimeout);
  EXPECT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
  EXPECT_STREQ(info.model, "CM-750 Spectrophotometer");
}

TEST_F(DeviceTest, SecondRequestWhileOneWaitsIsBusy) {
  start();
  ASSERT_TRUE(sim_->control("no-answer 1"));  // keeps the first request outstanding
  ASSERT_EQ(device_->send(0xA1, Payload()), API_SUCCESS);
  std::int32_t value = 0;
  EXPECT_EQ(device_->GetCorrectionAlgorithmThreshold(&value), API_DEVICE_BUSY);
  EXPECT_EQ(device_->Calibrate(0), API_DEVICE_BUSY);
  SharedAck response;
  device_->setResponseTimeout(kNoAnswerTimeout);
  EXPECT_EQ(device_->wait(response), API_TIMEOUT);
  EXPECT_FALSE(response);
  device_->setResponseTimeout(kAnswerTimeout);
  EXPECT_EQ(device_->GetCorrectionAlgorithmThreshold(&value), API_SUCCESS);
  EXPECT_EQ(value, 100);
}

TEST_F(DeviceTest, NonZeroStatusIsEightAndLeavesRecordUntouched) {
  start();
  ASSERT_TRUE(sim_->control("status 3"));
  WhiteBoardData w{};
  std::strcpy(w.innerName, "untouched");
  EXPECT_EQ(device_->ReadWhiteBoardData(&w), API_EXECUTE_REQUEST_FAILED);
  EXPECT_STREQ(w.innerName, "untouched");
  EXPECT_EQ(device_->Calibrate(1), API_SUCCESS);
}

class LineFaultTest : public DeviceTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LineFaultTest, ResponseStillArrivesWhole) {
  start();
  ASSERT_TRUE(sim_->control(GetParam()));
  MeasureResult m{};
  ASSERT_EQ(device_->Measure(0, &m), API_SUCCESS);
  EXPECT_GT(m.L, 0.0f);
  EXPECT_GT(m.reflectance[30], 0.5f);
  DeviceInfo info{};
  ASSERT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
  EXPECT_STREQ(info.model, "CM-750 Spectrophotometer");
}

INSTANTIATE_TEST_SUITE_P(Faults, LineFaultTest, ::testing::Values("garbage 25", "split", "merge"),
                         [](const auto& info) {
                           std::string n = info.param;
                           for (char& c : n)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return n;
                         });

struct TruncatedCase {
  std::string name;
  std::string control;  // truncate KEEP [SKIP]
  std::function<ApiResult(SerialPortSpectrophotometer&)> call;
};

void PrintTo(const TruncatedCase& c, std::ostream* out) { *out << c.name; }

class TruncatedResponseTest : public DeviceTest,
                              public ::testing::WithParamInterface<TruncatedCase> {};

// An answer shorter than its fields is a failed request, and the line works on.
TEST_P(TruncatedResponseTest, ShortAnswerIsEightAndLineRecovers) {
  start();
  ASSERT_TRUE(sim_->control(GetParam().control));
  EXPECT_EQ(GetParam().call(*device_), API_EXECUTE_REQUEST_FAILED);
  DeviceInfo info{};
  ASSERT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
  EXPECT_EQ(info.storedStandards, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TruncatedResponseTest,
    ::testing::Values(
        TruncatedCase{"DeviceInfoCutInItsTexts", "truncate 10",
                      [](SerialPortSpectrophotometer& d) {
                        DeviceInfo info{};
                        std::strcpy(info.model, "untouched");
                        const ApiResult r = d.GetDeviceInfo(&info);
                        return std::strcmp(info.model, "untouched") == 0 ? r : API_SUCCESS;
                      }},
        TruncatedCase{"DeviceInfoWithoutCalibrationFlags", "truncate 60",
                      [](SerialPortSpectrophotometer& d) {
                        DeviceInfo info{};
                        return d.GetDeviceInfo(&info);
                      }},
        TruncatedCase{"MeasureWithFourColourValues", "truncate 16",
                      [](SerialPortSpectrophotometer& d) {
                        MeasureResult m{};
                        m.L = -1.0f;
                        const ApiResult r = d.Measure(1, &m);
                        return m.L == -1.0f ? r : API_SUCCESS;
                      }},
        TruncatedCase{"SampleCountWithoutTheCount", "truncate 6",
                      [](SerialPortSpectrophotometer& d) {
                        std::uint32_t n = 77;
                        const ApiResult r = d.GetSampleCount(0, 0, &n);
                        return n == 77 ? r : API_SUCCESS;
                      }},
        TruncatedCase{"IntegrationTimeOneByte", "truncate 1",
                      [](SerialPortSpectrophotometer& d) {
                        std::uint16_t v = 0;
                        return d.GetIntegrationTimes(&v);
                      }},
        TruncatedCase{"WhiteBoardValuesCut", "truncate 40",
                      [](SerialPortSpectrophotometer& d) {
                        WhiteBoardData w{};
                        return d.ReadWhiteBoardData(&w);
                      }},
        TruncatedCase{"RasterCut", "truncate 47",
                      [](SerialPortSpectrophotometer& d) {
                        RasterCoefficients r{};
                        return d.ReadRasterCoefficients(&r);
                      }},
        // The range answer goes whole; the first data frame loses its last-packet flag.
        TruncatedCase{"DataFrameWithoutHeader", "truncate 2 1",
                      [](SerialPortSpectrophotometer& d) {
                        std::vector<StoredRecord> records(5);
                        StoredRecordBuffer buffer{-1, records.data()};
                        const ApiResult r = d.GetSampleData(0, 0, 0, 5, &buffer);
                        return buffer.count == -1 ? r : API_SUCCESS;
                      }}),
    [](const auto& info) { return info.param.name; });

struct CutTransferCase {
  std::string name;
  std::vector<std::string> options;
  std::string control;  // truncate KEEP SKIP: SKIP answers go whole, the next is cut to KEEP
  std::uint16_t count;
  std::int32_t arrived;
  std::uint16_t stored = 5;
};

void PrintTo(const CutTransferCase& c, std::ostream* out) { *out << c.name; }

class CutTransferTest : public DeviceTest, public ::testing::WithParamInterface<CutTransferCase> {};

// A transfer that loses records on the way is not a success, even though its
// last frame arrives; the count says how many records did.
TEST_P(CutTransferTest, FewerRecordsThanAskedIsIncompleteWithTheCount) {
  const CutTransferCase& c = GetParam();
  ASSERT_NO_FATAL_FAILURE(start(c.options));
  if (!c.control.empty()) {
    ASSERT_TRUE(sim_->control(c.control));
  }
  std::vector<StoredRecord> records(c.count);
  StoredRecordBuffer buffer{-1, records.data()};
  EXPECT_EQ(device_->GetSampleData(0, 0, 0, c.count, &buffer), API_TRANSFER_INCOMPLETE);
  EXPECT_EQ(buffer.count, c.arrived);
  std::int32_t received = 0, requested = 0;
  device_->transferProgress(received, requested);
  EXPECT_EQ(received, c.arrived);
  EXPECT_EQ(requested, c.count);
  // The transfer ran to its last frame: the line is in step for the next request.
  DeviceInfo info{};
  ASSERT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
  EXPECT_EQ(info.storedStandards, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Transfers, CutTransferTest,
    ::testing::Values(
        // Two records a frame: the range answer, 500 frames, then one that keeps
        // only its packet number and flag; 499 more frames follow it.
        CutTransferCase{"TwoThousandStandardsOneFrameEmptied",
                        {"--standards", "2000"},
                        "truncate 3 501",
                        2000,
                        1998,
                        2000},
        // The first frame ends 50 bytes into its second record.
        CutTransferCase{"FrameEndingInsideARecord", {}, "truncate 220 1", 5, 4},
        // The last frame (one record) is cut inside that record.
        CutTransferCase{"LastFrameEndingInsideItsRecord", {}, "truncate 100 3", 5, 4},
        // The same fault set when the simulator starts, its SKIP a word of its own.
        CutTransferCase{"CutSetOnTheCommandLine", {"--truncate", "100", "3"}, "", 5, 4}),
    [](const auto& info) { return info.param.name; });

TEST_F(DeviceTest, SplitAndMergedFramesInsideATransfer) {
  start({"--records-per-frame", "1"});
  ASSERT_TRUE(sim_->control("garbage 4"));
  std::vector<StoredRecord> r = upload(0, 0, 0, 3);
  EXPECT_EQ(r.size(), 3u);
  ASSERT_TRUE(sim_->control("merge"));
  r = upload(0, 0, 0, 3);
  EXPECT_EQ(r.size(), 3u);
}

TEST_F(DeviceTest, SilenceInsideATransferTimesOutThenLineRecovers) {
  start({"--records-per-frame", "2"});
  ASSERT_TRUE(sim_->control("stall 2500"));
  device_->setResponseTimeout(1000ms);  // the range and first frame come; the stalled one does not
  std::vector<StoredRecord> records(5);
  StoredRecordBuffer buffer{-1, records.data()};
  EXPECT_EQ(device_->GetSampleData(0, 0, 0, 5, &buffer), API_TIMEOUT);
  EXPECT_EQ(buffer.count, -1);  // no count after a failed transfer
  // The late data frame matches nothing and is dropped; the next answer is taken.
  device_->setResponseTimeout(kAnswerTimeout);
  std::int32_t threshold = 0;
  EXPECT_EQ(device_->GetCorrectionAlgorithmThreshold(&threshold), API_SUCCESS);
  EXPECT_EQ(threshold, 100);
}

TEST_F(DeviceTest, DeviceVanishingMidTransferEndsAtOnceAsDisconnected) {
  start({"--records-per-frame", "1"});
  ASSERT_TRUE(sim_->control("vanish-after 2"));  // the range and the first frame, then gone
  device_->setResponseTimeout(60000ms);          // the loss must be seen, not waited out
  std::vector<StoredRecord> records(3);
  StoredRecordBuffer buffer{-1, records.data()};
  EXPECT_EQ(device_->GetSampleData(0, 0, 0, 3, &buffer), API_DEVICE_DISCONNECTED);
  EXPECT_EQ(buffer.count, -1);
  EXPECT_TRUE(sim_->exited(5000));
  // Every later call says so at once, never a time-out.
  DeviceInfo info{};
  EXPECT_EQ(device_->GetDeviceInfo(&info), API_DEVICE_DISCONNECTED);
  EXPECT_EQ(device_->Calibrate(0), API_DEVICE_DISCONNECTED);
  EXPECT_EQ(device_->Close(), API_SUCCESS);
}

TEST_F(DeviceTest, KilledInstrumentIsDisconnectedNotATimeOut) {
  start();
  device_->setResponseTimeout(60000ms);
  ASSERT_EQ(kill(sim_->pid(), SIGKILL), 0);
  ASSERT_TRUE(sim_->exited(5000));
  MeasureResult m{};
  EXPECT_EQ(device_->Measure(0, &m), API_DEVICE_DISCONNECTED);
}

TEST_F(DeviceTest, OpenCloseOpenStartsAWorkingReaderEachTime) {
  start();
  const std::uint32_t number = device_->GetComPort();
  EXPECT_EQ(number, portNumberFor(sim_->path()));
  EXPECT_EQ(device_->devicePath(), sim_->path());
  std::int32_t handle = device_->GetHandle();
  EXPECT_GT(handle, 0);
  for (int round = 0; round < 3; ++round) {
    ASSERT_EQ(device_->Close(), API_SUCCESS);
    EXPECT_FALSE(device_->IsOpen());
    EXPECT_EQ(device_->GetHandle(), -1);
    EXPECT_EQ(device_->GetComPort(), 0u);
    DeviceInfo info{};
    EXPECT_EQ(device_->GetDeviceInfo(&info), API_INVALID_DEVICE_HANDLE);
    ASSERT_EQ(device_->Open(number), API_SUCCESS);
    EXPECT_NE(device_->GetHandle(), handle);  // a new opening, a new handle
    handle = device_->GetHandle();
    ASSERT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
    EXPECT_EQ(info.storedStandards, 5);
  }
  EXPECT_EQ(device_->Close(), API_SUCCESS);
  EXPECT_EQ(device_->Close(), API_SUCCESS);  // closing a closed object changes nothing
}

// Exclusive mode keeps other openers out only while the port is open here. A
// terminal outlives its openers (the simulator holds its own end), and a mode
// left behind refused every later opening by an ordinary user: the next
// colorport-cli run or a re-connect read as "device not found".
TEST_F(DeviceTest, CloseLeavesThePortOpenToTheNextOpener) {
  start();
  // Root may open an exclusive terminal; that is how the mode is looked at here.
  const int fd = ::open(sim_->path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(fd, 0) << std::strerror(errno);
  int exclusive = -1;
  ASSERT_EQ(ioctl(fd, TIOCGEXCL, &exclusive), 0);
  EXPECT_NE(exclusive, 0);
  ASSERT_EQ(device_->Close(), API_SUCCESS);
  ASSERT_EQ(ioctl(fd, TIOCGEXCL, &exclusive), 0);
  EXPECT_EQ(exclusive, 0);
  ::close(fd);
}

TEST_F(DeviceTest, PortHeldByAnotherObjectIsAlreadyOpen) {
  start();
  Device other = makeDevice();
  EXPECT_EQ(other->Open(portNumberFor(sim_->path())), API_DEVICE_ALREADY_OPEN);
  EXPECT_EQ(device_->Open(portNumberFor(sim_->path())),
            API_DEVICE_ALREADY_OPEN);  // this one is open
  DeviceInfo info{};
  EXPECT_EQ(device_->GetDeviceInfo(&info), API_SUCCESS);
}

TEST(DeviceOpen, NumbersWithoutAPortAndPortTwoFiftyFive) {
  Device device = makeDevice();
  EXPECT_EQ(device->Open(255), API_DEVICE_NOT_FOUND);
  EXPECT_EQ(device->Open(253), API_DEVICE_NOT_FOUND);  // no path was ever given that number
  EXPECT_FALSE(device->IsOpen());
}

// Search through a sysfs tree: no override, the bridge's node is the simulator's.
TEST(DeviceOpen, SearchFindsTheBridgeInSysfs) {
  SimProcess sim;
  ASSERT_FALSE(sim.path().empty());
  test::FakeSysfs sysfs;
  std::string node = sim.path().substr(std::string("/dev/").size());
  std::replace(node.begin(), node.end(), '/', '!');
  sysfs.addUsbTty("ttyUSB9", "FT232R USB UART", "");
  sysfs.addUsbTty(node, "SCI USB2Serial", "");
  unsetenv("COLORPORT_PORT");
  Device device = makeDevice();
  device->setSysfsRoot(sysfs.root());
  ASSERT_EQ(device->Open(0), API_SUCCESS);
  EXPECT_EQ(device->devicePath(), sim.path());
  EXPECT_EQ(device->Close(), API_SUCCESS);
  ASSERT_EQ(device->Open(300), API_SUCCESS);  // above 255: searched as for 0
  DeviceInfo info{};
  EXPECT_EQ(device->GetDeviceInfo(&info), API_SUCCESS);
  // A searched port is as transparent as a numbered one: XON and XOFF bytes pass.
  std::uint8_t v = 0;
  ASSERT_EQ(device->SetSimplingTimes(0x13), API_SUCCESS);
  ASSERT_EQ(device->GetSimplingTimes(&v), API_SUCCESS);
  EXPECT_EQ(v, 0x13);
  ASSERT_EQ(device->SetHighVoltageLevelPullingTimes(0x11), API_SUCCESS);
  ASSERT_EQ(device->GetHighVoltageLevelPullingTimes(&v), API_SUCCESS);
  EXPECT_EQ(v, 0x11);
}

TEST(DeviceOpen, EnvironmentReplacesTheSearch) {
  SimProcess sim;
  ASSERT_FALSE(sim.path().empty());
  test::FakeSysfs empty;
  setenv("COLORPORT_PORT", sim.path().c_str(), 1);
  Device device = makeDevice();
  device->setSysfsRoot(empty.root());
  EXPECT_EQ(device->Open(0), API_SUCCESS);
  unsetenv("COLORPORT_PORT");
  Device second = makeDevice();
  second->setSysfsRoot(empty.root());
  EXPECT_EQ(second->Open(0), API_DEVICE_NOT_FOUND);
}

}  // namespace
}  // namespace colorport
