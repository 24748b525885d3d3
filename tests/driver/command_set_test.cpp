#include "driver/command_set.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "driver/payload.h"

namespace colorport {
namespace {

using ::testing::ElementsAre;

struct DateCase {
  int year, month, day, hour, minute;
  Bytes payload;
};

void PrintTo(const DateCase& c, std::ostream* out) {
  *out << c.year << "-" << c.month << "-" << c.day;
}

class DateTimePayloadTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTimePayloadTest, HourMinuteYearByteMonthDay) {
  const DateCase& c = GetParam();
  EXPECT_EQ(dateTimePayload(c.year, c.month, c.day, c.hour, c.minute), c.payload);
}

INSTANTIATE_TEST_SUITE_P(
    Years, DateTimePayloadTest,
    ::testing::Values(DateCase{2014, 5, 6, 13, 45, {0x0D, 0x2D, 0x0E, 0x05, 0x06}},
                      DateCase{2000, 1, 1, 0, 0, {0x00, 0x00, 0x00, 0x01, 0x01}},
                      DateCase{2255, 12, 31, 23, 59, {0x17, 0x3B, 0xFF, 0x0C, 0x1F}},
                      DateCase{2026, 12, 9, 23, 5, {0x17, 0x05, 0x1A, 0x0C, 0x09}}));

TEST(SelectRecordsPayload, TransferOfThreeStandards) {
  EXPECT_EQ(selectRecordsPayload(0, 0, 0, 3), (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03}));
  EXPECT_EQ(selectRecordsPayload(1, 0x0102, 0, 0xFFFF),
            (Bytes{0x01, 0x01, 0x02, 0x00, 0x00, 0xFF, 0xFF}));
}

Bytes deviceInfoPayload(const std::string& model) {
  PayloadWriter w;
  Bytes texts;
  for (const std::string& t :
       {model, std::string("second"), std::string("V1.2"), std::string(), std::string("WB7")}) {
    texts.push_back(static_cast<std::uint8_t>(t.size()));
    texts.insert(texts.end(), t.begin(), t.end());
  }
  w.raw(texts).u16(1000).u16(12).u16(345).u8(1).u8(0);
  return w.bytes();
}

TEST(DecodeDeviceInfo, AllFields) {
  DeviceInfo info{};
  ASSERT_TRUE(decodeDeviceInfo(deviceInfoPayload("CM-750 Spectrophotometer"), info));
  EXPECT_STREQ(info.model, "CM-750 Spectrophotometer");
  EXPECT_STREQ(info.secondText, "second");
  EXPECT_STREQ(info.terminalVersion, "V1.2");
  EXPECT_STREQ(info.fourthText, "");
  EXPECT_STREQ(info.whiteBoardNumber, "WB7");
  EXPECT_EQ(info.capacity, 1000);
  EXPECT_EQ(info.storedStandards, 12);
  EXPECT_EQ(info.storedSamples, 345);
  EXPECT_EQ(info.blackCalibrated, 1);
  EXPECT_EQ(info.whiteCalibrated, 0);
}

TEST(DecodeDeviceInfo, SeventyCharacterModelKeepsSixtyThreeAndTerminator) {
  const std::string model(70, 'M');
  DeviceInfo info{};
  ASSERT_TRUE(decodeDeviceInfo(deviceInfoPayload(model), info));
  EXPECT_EQ(std::string(info.model), model.substr(0, 63));
  EXPECT_STREQ(info.secondText, "second");  // the cut characters were still consumed
  EXPECT_EQ(info.capacity, 1000);
}

TEST(DecodeDeviceInfo, EveryShorterPayloadFailsAndLeavesRecordUntouched) {
  const Bytes full = deviceInfoPayload("CM-750");
  for (std::size_t n = 0; n < full.size(); ++n) {
    DeviceInfo info{};
    std::strcpy(info.model, "before");
    EXPECT_FALSE(decodeDeviceInfo(Payload(full.data(), n), info)) << n << " bytes";
    EXPECT_STREQ(info.model, "before");
  }
}

Bytes floats(std::initializer_list<float> head, int curvePoints, float curveValue) {
  PayloadWriter w;
  for (float v : head) w.f32(v);
  for (int i = 0; i < curvePoints; ++i) w.f32(curveValue + 0.01f * static_cast<float>(i));
  return w.bytes();
}

TEST(DecodeMeasureResult, FullResponseFillsAllThirtySixValues) {
  MeasureResult m{};
  ASSERT_TRUE(decodeMeasureResult(floats({50.5f, -3.25f, 12.0f, 12.4f, 104.0f}, 31, 0.1f), m));
  EXPECT_EQ(m.L, 50.5f);
  EXPECT_EQ(m.a, -3.25f);
  EXPECT_EQ(m.b, 12.0f);
  EXPECT_EQ(m.fourth, 12.4f);
  EXPECT_EQ(m.fifth, 104.0f);
  EXPECT_EQ(m.reflectance[0], 0.1f);
  EXPECT_EQ(m.reflectance[30], 0.1f + 0.01f * 30.0f);
}

TEST(DecodeMeasureResult, ShortCurveFillsWhatCameAndNoMore) {
  MeasureResult m{};
  m.reflectance[2] = -1.0f;
  ASSERT_TRUE(decodeMeasureResult(floats({1, 2, 3, 4, 5}, 2, 0.5f), m));
  EXPECT_EQ(m.reflectance[1], 0.51f);
  EXPECT_EQ(m.reflectance[2], -1.0f);
}

TEST(DecodeMeasureResult, LongCurveStopsAtThirtyOne) {
  MeasureResult m[2] = {};
  m[1].L = 99.0f;  // the neighbour must survive
  ASSERT_TRUE(decodeMeasureResult(floats({1, 2, 3, 4, 5}, 40, 0.5f), m[0]));
  EXPECT_EQ(m[1].L, 99.0f);
}

TEST(DecodeMeasureResult, FewerThanFiveColourValuesFail) {
  MeasureResult m{};
  m.L = 7.0f;
  EXPECT_FALSE(decodeMeasureResult(floats({1, 2, 3, 4}, 0, 0), m));
  EXPECT_EQ(m.L, 7.0f);
}

TEST(DecodeSampleCount, CountAfterFiveBytes) {
  std::uint16_t n = 0;
  ASSERT_TRUE(decodeSampleCount(Bytes{0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x07}, n));
  EXPECT_EQ(n, 7);
  n = 99;
  EXPECT_FALSE(decodeSampleCount(Bytes{0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00}, n));
  EXPECT_EQ(n, 99);
}

Bytes storedRecordWire(std::uint16_t number, const char* name, std::int16_t reference) {
  PayloadWriter w;
  w.u8(6).u8(5).u16(2014).u8(30).u8(45).u8(13);
  for (float v : {51.0f, -2.5f, 8.0f, 8.4f, 107.0f}) w.f32(v);
  w.u8(3).u8(1).u8(1).u16(number);
  Bytes nameBytes(9, 0);
  std::memcpy(nameBytes.data(), name, std::min<std::size_t>(std::strlen(name), 9));
  w.raw(nameBytes).u16(static_cast<std::uint16_t>(reference));
  for (int i = 0; i < 31; ++i) w.f32(0.2f + 0.02f * static_cast<float>(i));
  return w.bytes();
}

TEST(DecodeStoredRecord, WireLayoutIntoFields) {
  const Bytes wire = storedRecordWire(0x0102, "NINEBYTES", -2);
  ASSERT_EQ(wire.size(), kStoredRecordWireSize);
  StoredRecord r;
  std::memset(&r, 0xEE, sizeof r);
  ASSERT_TRUE(decodeStoredRecord(wire, r));
  EXPECT_EQ(r.day, 6);
  EXPECT_EQ(r.month, 5);
  EXPECT_EQ(r.year, 2014);
  EXPECT_EQ(r.second, 30);
  EXPECT_EQ(r.minute, 45);
  EXPECT_EQ(r.hour, 13);
  EXPECT_THAT(r.values, ElementsAre(51.0f, -2.5f, 8.0f, 8.4f, 107.0f));
  EXPECT_EQ(r.illuminant, 3);
  EXPECT_EQ(r.observer, 1);
  EXPECT_EQ(r.mode, 1);
  EXPECT_EQ(r.number, 0x0102);
  EXPECT_EQ(std::string(r.name, 9), "NINEBYTES");
  for (int i = 9; i < 16; ++i) EXPECT_EQ(r.name[i], 0) << i;
  EXPECT_EQ(r.reference, -2);
  EXPECT_EQ(r.reflectance[0], 0.2f);
  EXPECT_EQ(r.reflectance[30], 0.2f + 0.02f * 30.0f);
}

Bytes dataFrame(std::uint16_t packet, bool last, int records, std::size_t extraBytes) {
  Bytes p{static_cast<std::uint8_t>(packet >> 8), static_cast<std::uint8_t>(packet),
          last ? std::uint8_t{1} : std::uint8_t{0}};
  for (int i = 0; i < records; ++i) {
    const Bytes r = storedRecordWire(static_cast<std::uint16_t>(i), "R", 0);
    p.insert(p.end(), r.begin(), r.end());
  }
  p.insert(p.end(), extraBytes, 0x5A);
  return p;
}

struct DataFrameCase {
  std::string name;
  Bytes payload;
  std::size_t room;
  std::size_t delivered;
  bool last;
  bool cut;
};

void PrintTo(const DataFrameCase& c, std::ostream* out) { *out << c.name; }

class DecodeDataFrameTest : public ::testing::TestWithParam<DataFrameCase> {};

TEST_P(DecodeDataFrameTest, StoresWholeRecordsWithinRoom) {
  const DataFrameCase& c = GetParam();
  std::vector<StoredRecord> records(c.room + 1);
  records[c.room].number = 0xBEEF;  // guard past the caller's room
  std::size_t delivered = 0;
  DataFrameContent content{};
  ASSERT_TRUE(decodeDataFrame(c.payload, std::span(records.data(), c.room), delivered, content));
  EXPECT_EQ(delivered, c.delivered);
  EXPECT_EQ(content.last, c.last);
  EXPECT_EQ(content.cut, c.cut);
  EXPECT_EQ(content.packetNumber[0], c.payload[0]);
  EXPECT_EQ(content.packetNumber[1], c.payload[1]);
  EXPECT_EQ(records[c.room].number, 0xBEEF);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, DecodeDataFrameTest,
    ::testing::Values(
        DataFrameCase{"TwoRecords", dataFrame(1, false, 2, 0), 5, 2, false, false},
        // A remainder shorter than a record is what is left of a cut one.
        DataFrameCase{"OneRecordAndShortRemainderMarkedCut", dataFrame(2, true, 1, 33), 5, 1, true,
                      true},
        DataFrameCase{"OnlyAPieceOfARecord", dataFrame(3, false, 0, 166), 5, 0, false, true},
        DataFrameCase{"RecordsBeyondRoomDropped", dataFrame(0x0102, true, 3, 0), 1, 1, true, false},
        DataFrameCase{"HeaderOnly", dataFrame(7, true, 0, 0), 2, 0, true, false}),
    [](const auto& info) { return info.param.name; });

TEST(DecodeDataFrame, TwoRecordsAreThreeHundredThirtySevenBytes) {
  EXPECT_EQ(dataFrame(1, false, 2, 0).size(), 2u + 1u + 334u);
}

TEST(DecodeDataFrame, PayloadWithoutHeaderFails) {
  StoredRecord r;
  std::size_t delivered = 0;
  DataFrameContent content{};
  EXPECT_FALSE(decodeDataFrame(Bytes{0x00, 0x01}, std::span(&r, 1), delivered, content));
}

TEST(StandardSamplePayload, FourBytesNineNameBytesThirtyOneFloats) {
  StandardSampleData d{};
  d.content = 0;
  d.illuminant = 2;
  d.observer = 1;
  d.colourValuesFlag = 1;
  std::memcpy(d.name, "FOURTEEN-CH", 11);
  d.values[0] = 50.0f;
  const Bytes p = standardSamplePayload(d);
  ASSERT_EQ(p.size(), 4u + 9u + 124u);
  EXPECT_EQ(Bytes(p.begin(), p.begin() + 4), (Bytes{0, 2, 1, 1}));
  EXPECT_EQ(std::string(p.begin() + 4, p.begin() + 13), "FOURTEEN-");
  EXPECT_EQ(Bytes(p.begin() + 13, p.begin() + 17), (Bytes{0x42, 0x48, 0x00, 0x00}));
}

TEST(WhiteBoardPayload, RoundTripsThroughDecoder) {
  WhiteBoardData d{};
  std::strcpy(d.innerName, "W123");
  std::memset(d.outerName, 'O', sizeof d.outerName);  // unterminated: all 32 characters go out
  for (int i = 0; i < 31; ++i) d.values[i] = 94.5f + static_cast<float>(i);
  const Bytes p = whiteBoardPayload(d);
  EXPECT_EQ(p.size(), 1u + 4u + 1u + 32u + 124u);
  WhiteBoardData back{};
  ASSERT_TRUE(decodeWhiteBoard(p, back));
  EXPECT_STREQ(back.innerName, "W123");
  EXPECT_EQ(std::string(back.outerName), std::string(31, 'O'));  // cut to keep the terminator
  EXPECT_EQ(back.values[30], 124.5f);
}

TEST(ComputeParameter, PayloadRoundTrips) {
  ComputeParameter p{7, 9, {1, -2, 3, -4, 0x7FFFFFFF, INT32_MIN, 0}};
  const Bytes bytes = computeParameterPayload(p);
  ASSERT_EQ(bytes.size(), 30u);
  ComputeParameter back{};
  ASSERT_TRUE(decodeComputeParameter(bytes, back));
  EXPECT_EQ(back.first, 7);
  EXPECT_EQ(back.second, 9);
  EXPECT_THAT(back.values, ElementsAre(1, -2, 3, -4, 0x7FFFFFFF, INT32_MIN, 0));
  EXPECT_FALSE(decodeComputeParameter(Payload(bytes.data(), 29), back));
}

TEST(RasterCoefficients, PayloadRoundTrips) {
  RasterCoefficients r{{1, 2, 3, 4, 5, 6}, {-1, -2, -3, -4, -5, -6}};
  const Bytes bytes = rasterPayload(r);
  ASSERT_EQ(bytes.size(), 48u);
  RasterCoefficients back{};
  ASSERT_TRUE(decodeRaster(bytes, back));
  EXPECT_THAT(back.second, ElementsAre(-1, -2, -3, -4, -5, -6));
}

TEST(DecodeDacData, ValuesThenBytes) {
  PayloadWriter w;
  for (int i = 0; i < 32; ++i) w.u16(static_cast<std::uint16_t>(0x0100 + i));
  for (int i = 0; i < 32; ++i) w.u8(static_cast<std::uint8_t>(200 + i));
  DacData d{};
  ASSERT_TRUE(decodeDacData(w.bytes(), d));
  EXPECT_EQ(d.values[31], 0x011F);
  EXPECT_EQ(d.bytes[31], 231);
  EXPECT_FALSE(decodeDacData(Payload(w.bytes().data(), 95), d));
}

TEST(DecodeDacLightRange, TwoGroups) {
  PayloadWriter w;
  for (int i = 0; i < 64; ++i) w.u16(static_cast<std::uint16_t>(i));
  DacLightRange d{};
  ASSERT_TRUE(decodeDacLightRange(w.bytes(), d));
  EXPECT_EQ(d.first[0], 0);
  EXPECT_EQ(d.second[0], 32);
  EXPECT_EQ(d.second[31], 63);
}

TEST(RecordLayouts, FieldOffsetsAreFixed) {
  EXPECT_EQ(sizeof(DeviceInfo), 264u);
  EXPECT_EQ(offsetof(DeviceInfo, capacity), 256u);
  EXPECT_EQ(sizeof(MeasureResult), 144u);
  EXPECT_EQ(sizeof(StoredRecord), 176u);
  EXPECT_EQ(offsetof(StoredRecord, values), 8u);
  EXPECT_EQ(offsetof(StoredRecord, number), 32u);
  EXPECT_EQ(offsetof(StoredRecord, name), 34u);
  EXPECT_EQ(offsetof(StoredRecord, reference), 50u);
  EXPECT_EQ(offsetof(StoredRecord, reflectance), 52u);
  EXPECT_EQ(sizeof(StandardSampleData), 140u);
  EXPECT_EQ(sizeof(WhiteBoardData), 188u);
  EXPECT_EQ(sizeof(ComputeParameter), 32u);
  EXPECT_EQ(sizeof(DacData), 96u);
  EXPECT_EQ(sizeof(DacLightRange), 128u);
  EXPECT_EQ(sizeof(RasterCoefficients), 48u);
}

}  // namespace
}  // namespace colorport
