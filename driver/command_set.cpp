#include "driver/command_set.h"

#include <cstring>

#include "driver/payload.h"

namespace colorport {

Bytes selectRecordsPayload(std::uint8_t kind, std::uint16_t standardNumber,
                           std::uint16_t firstIndex, std::uint16_t count) {
  PayloadWriter w;
  w.u8(kind).u16(standardNumber).u16(firstIndex).u16(count);
  return w.bytes();
}

Bytes dateTimePayload(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                      std::int32_t minute) {
  auto low = [](std::int32_t v) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(v));
  };
  // The instrument counts years from 2000: the low byte of year + 48 equals year - 2000.
  PayloadWriter w;
  w.u8(low(hour)).u8(low(minute)).u8(low(year + 48)).u8(low(month)).u8(low(day));
  return w.bytes();
}

Bytes computeParameterPayload(const ComputeParameter& parameter) {
  PayloadWriter w;
  w.u8(parameter.first).u8(parameter.second);
  for (std::int32_t v : parameter.values) w.i32(v);
  return w.bytes();
}

Bytes standardSamplePayload(const StandardSampleData& data) {
  PayloadWriter w;
  w.u8(data.content).u8(data.illuminant).u8(data.observer).u8(data.colourValuesFlag);
  w.raw({reinterpret_cast<const std::uint8_t*>(data.name), 9});
  for (float v : data.values) w.f32(v);
  return w.bytes();
}

Bytes whiteBoardPayload(const WhiteBoardData& data) {
  PayloadWriter w;
  w.text(data.innerName, sizeof data.innerName).text(data.outerName, sizeof data.outerName);
  for (float v : data.values) w.f32(v);
  return w.bytes();
}

Bytes rasterPayload(const RasterCoefficients& coefficients) {
  PayloadWriter w;
  for (std::int32_t v : coefficients.first) w.i32(v);
  for (std::int32_t v : coefficients.second) w.i32(v);
  return w.bytes();
}

bool decodeDeviceInfo(Payload payload, DeviceInfo& info) {
  PayloadReader r(payload);
  DeviceInfo d{};
  r.text(d.model, sizeof d.model);
  r.text(d.secondText, sizeof d.secondText);
  r.text(d.terminalVersion, sizeof d.terminalVersion);
  r.text(d.fourthText, sizeof d.fourthText);
  r.text(d.whiteBoardNumber, sizeof d.whiteBoardNumber);
  r.u16(d.capacity);
  r.u16(d.storedStandards);
  r.u16(d.storedSamples);
  r.u8(d.blackCalibrated);
  r.u8(d.whiteCalibrated);
  if (!r.ok()) return false;
  info = d;
  return true;
}

bool decodeMeasureParameter(Payload payload, MeasureParameter& parameter) {
  PayloadReader r(payload);
  MeasureParameter p{};
  if (!r.raw(p.bytes, sizeof p.bytes)) return false;
  parameter = p;
  return true;
}

bool decodeComputeParameter(Payload payload, ComputeParameter& parameter) {
  PayloadReader r(payload);
  ComputeParameter p{};
  r.u8(p.first);
  r.u8(p.second);
  for (std::int32_t& v : p.values) r.i32(v);
  if (!r.ok()) return false;
  parameter = p;
  return true;
}

bool decodeMeasureResult(Payload payload, MeasureResult& result) {
  PayloadReader r(payload);
  float head[5];
  for (float& v : head) r.f32(v);
  if (!r.ok()) return false;
  result.L = head[0];
  result.a = head[1];
  result.b = head[2];
  result.fourth = head[3];
  result.fifth = head[4];
  for (float& v : result.reflectance) {
    if (r.remaining() < 4) break;
    r.f32(v);
  }
  return true;
}

bool decodeSampleCount(Payload payload, std::uint16_t& count) {
  PayloadReader r(payload);
  std::uint16_t c;
  if (!r.skip(5) || !r.u16(c)) return false;
  count = c;
  return true;
}

bool decodeStoredRecord(Payload wire, StoredRecord& record) {
  PayloadReader r(wire);
  StoredRecord s{};
  r.u8(s.day);
  r.u8(s.month);
  r.u16(s.year);
  r.u8(s.second);
  r.u8(s.minute);
  r.u8(s.hour);
  for (float& v : s.values) r.f32(v);
  r.u8(s.illuminant);
  r.u8(s.observer);
  r.u8(s.mode);
  r.u16(s.number);
  r.raw(reinterpret_cast<std::uint8_t*>(s.name), 9);
  r.i16(s.reference);
  for (float& v : s.reflectance) r.f32(v);
  if (!r.ok()) return false;
  record = s;
  return true;
}

bool decodeWhiteBoard(Payload payload, WhiteBoardData& data) {
  PayloadReader r(payload);
  WhiteBoardData d{};
  r.text(d.innerName, sizeof d.innerName);
  r.text(d.outerName, sizeof d.outerName);
  for (float& v : d.values) r.f32(v);
  if (!r.ok()) return false;
  data = d;
  return true;
}

bool decodeDacData(Payload payload, DacData& data) {
  PayloadReader r(payload);
  DacData d{};
  for (std::uint16_t& v : d.values) r.u16(v);
  r.raw(d.bytes, sizeof d.bytes);
  if (!r.ok()) return false;
  data = d;
  return true;
}

bool decodeDacLightRange(Payload payload, DacLightRange& range) {
  PayloadReader r(payload);
  DacLightRange d{};
  for (std::uint16_t& v : d.first) r.u16(v);
  for (std::uint16_t& v : d.second) r.u16(v);
  if (!r.ok()) return false;
  range = d;
  return true;
}

bool decodeRaster(Payload payload, RasterCoefficients& coefficients) {
  PayloadReader r(payload);
  RasterCoefficients d{};
  for (std::int32_t& v : d.first) r.i32(v);
  for (std::int32_t& v : d.second) r.i32(v);
  if (!r.ok()) return false;
  coefficients = d;
  return true;
}

bool decodeDataFrame(Payload payload, std::span<StoredRecord> records, std::size_t& delivered,
                     DataFrameContent& content) {
  PayloadReader r(payload);
  std::uint8_t flag;
  DataFrameContent c{};
  if (!r.raw(c.packetNumber, 2) || !r.u8(flag)) return false;
  c.last = flag != 0;
  std::size_t at = kDataFrameHeaderSize;
  for (; payload.size() - at >= kStoredRecordWireSize; at += kStoredRecordWireSize) {
    StoredRecord record;
    decodeStoredRecord(payload.subspan(at, kStoredRecordWireSize), record);
    if (delivered < records.size()) records[delivered++] = record;
  }
  c.cut = at != payload.size();
  content = c;
  return true;
}

}  // namespace colorport
