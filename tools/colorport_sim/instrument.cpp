#include "tools/colorport_sim/instrument.h"

#include <algorithm>
#include <cstring>

#include "tools/colorport_sim/sim_commands.h"

namespace colorport::sim {
namespace {

void putEntry(Bytes& out, const StoredEntry& e) {
  out.push_back(e.day);
  out.push_back(e.month);
  putU16(out, e.year);
  out.push_back(e.second);
  out.push_back(e.minute);
  out.push_back(e.hour);
  for (float v : e.values) putF32(out, v);
  out.push_back(e.illuminant);
  out.push_back(e.observer);
  out.push_back(e.mode);
  putU16(out, e.number);
  char name[9] = {};
  std::memcpy(name, e.name.data(), std::min<std::size_t>(e.name.size(), 9));
  out.insert(out.end(), name, name + 9);
  putU16(out, static_cast<std::uint16_t>(e.reference));
  for (float v : e.curve) putF32(out, v);
}

StoredEntry measuredEntry(const Curve& curve, std::uint16_t number, std::string name, int minutes) {
  StoredEntry e;
  e.number = number;
  e.name = std::move(name).substr(0, 9);
  e.year = 2026;
  e.month = 3;
  e.day = static_cast<std::uint8_t>(14 + minutes / (24 * 60) % 10);
  e.hour = static_cast<std::uint8_t>(9 + minutes / 60 % 12);
  e.minute = static_cast<std::uint8_t>(minutes % 60);
  e.second = static_cast<std::uint8_t>(minutes * 7 % 60);
  e.curve = curve;
  const Lab lab = labOf(curve);
  const float v[5] = {lab.L, lab.a, lab.b, lab.C, lab.h};
  std::copy(v, v + 5, e.values);
  return e;
}

}  // namespace

Instrument::Instrument(const InstrumentSetup& setup) : setup_(setup), random_(setup.seed) {
  black_ = white_ = setup.calibrated;
  for (int i = 0; i < 31; ++i) boardValues_[i] = 93.5f + 0.05f * static_cast<float>(i);
  for (int i = 0; i < 32; ++i) {
    dac_[i] = static_cast<std::uint16_t>(1800 + 37 * i);
    gains_[i] = static_cast<std::uint8_t>(8 + i % 4);
    lightRange_[i] = static_cast<std::uint16_t>(200 + i);
    lightRange_[32 + i] = static_cast<std::uint16_t>(3900 - i);
  }
  for (int i = 0; i < 12; ++i) raster_[i] = (i % 2 == 0 ? 1 : -1) * (1000 + 111 * i);

  static const char* const names[5] = {"RED", "YELLOW", "GREEN", "BLUE", "GREYCARD9"};
  for (int i = 0; i < setup.standards; ++i) {
    const Specimen s = specimen(i);
    const std::string name = setup.standards <= 5 ? names[i] : "STD" + std::to_string(i);
    StoredEntry e =
        measuredEntry(withNoise(s.curve, random_), static_cast<std::uint16_t>(i), name, i);
    if (i == 2) {
      // Held as colour values only: no curve, marked for the program.
      e.reference = -2;
      e.curve.fill(0.0f);
    }
    standards_.push_back(e);
  }
  for (std::uint16_t std = 1; std <= std::min(2, setup.standards); ++std) {
    const Specimen s = specimen(std - 1);
    for (int k = 1; k <= 5 - std; ++k)
      samples_[std].push_back(
          measuredEntry(withNoise(s.curve, random_), static_cast<std::uint16_t>(k),
                        "S" + std::to_string(std) + "-" + std::to_string(k), 60 + k));
  }
}

std::vector<StoredEntry>* Instrument::list(std::uint8_t kind, std::uint16_t standardNumber) {
  if (kind == 0) return &standards_;
  if (kind == 1 && standardNumber != 0) return &samples_[standardNumber];
  return nullptr;
}

std::uint16_t Instrument::totalSamples() const {
  std::size_t n = 0;
  for (const auto& [number, list] : samples_) n += list.size();
  return static_cast<std::uint16_t>(n);
}

std::vector<Bytes> Instrument::answer(const HostFrame& request) {
  if (request.command == kDataFrame) return acknowledge(FieldReader(request.payload));
  if (request.command == kStartTransfer) return startTransfer();
  std::uint8_t status = kOk;
  Bytes payload = handle(request.command, FieldReader(request.payload), status);
  return {instrumentFrame(request.command, status, payload)};
}

std::vector<Bytes> Instrument::startTransfer() {
  if (!selection_) return {instrumentFrame(kStartTransfer, kNoSuchRecord, {})};
  transfer_ = std::move(*selection_);
  selection_.reset();
  transferAt_ = 0;
  packet_ = 1;
  return {dataFrame(kStartTransfer)};
}

std::vector<Bytes> Instrument::acknowledge(FieldReader in) {
  std::uint16_t packet;
  // An acknowledgement of anything but the frame just sent is not answered.
  if (!awaitingAck_ || !in.u16(packet) || packet != packet_) return {};
  ++packet_;
  return {dataFrame(kDataFrame)};
}

Bytes Instrument::dataFrame(std::uint8_t command) {
  const std::size_t perFrame = static_cast<std::size_t>(std::max(1, setup_.recordsPerFrame));
  const std::size_t end = std::min(transfer_.size(), transferAt_ + perFrame);
  const bool last = end == transfer_.size();
  Bytes payload;
  putU16(payload, packet_);
  payload.push_back(last ? 1 : 0);
  for (std::size_t i = transferAt_; i < end; ++i) putEntry(payload, transfer_[i]);
  transferAt_ = end;
  awaitingAck_ = !last;
  return instrumentFrame(command, kOk, payload);
}

Bytes Instrument::handle(std::uint8_t command, FieldReader in, std::uint8_t& status) {
  Bytes out;
  auto bad = [&] {
    status = kBadRequest;
    return Bytes{};
  };
  // Any other command ends an unfinished transfer.
  awaitingAck_ = false;
  switch (command) {
    case kGetDeviceInfo: {
      putText(out, setup_.model);
      putText(out, "SIM-0001");
      putText(out, "V2.1.0-sim");
      putText(out, "");
      putText(out, "ZW0042");
      putU16(out, capacity_);
      putU16(out, static_cast<std::uint16_t>(standards_.size()));
      putU16(out, totalSamples());
      out.push_back(black_ ? 1 : 0);
      out.push_back(white_ ? 1 : 0);
      return out;
    }
    case kSetMeasureParameter: {
      Bytes p;
      if (!in.raw(6, p)) return bad();
      std::copy(p.begin(), p.end(), measureParameter_.begin());
      return out;
    }
    case kGetMeasureParameter: return Bytes(measureParameter_.begin(), measureParameter_.end());
    case kSetComputeParameter: {
      Bytes p;
      if (!in.raw(30, p)) return bad();
      computeParameter_ = p;
      return out;
    }
    case kGetComputeParameter: return computeParameter_;
    case kCalibrate: {
      std::uint8_t kind;
      if (!in.u8(kind) || kind > 1) return bad();
      (kind == 0 ? black_ : white_) = true;
      return out;
    }
    case kMeasure: {
      std::uint8_t kind;
      if (!in.u8(kind) || kind > 1) return bad();
      if (!black_ || !white_) {
        status = kNotCalibrated;
        return out;
      }
      Curve curve;
      if (kind == 0) {
        lastStandardSpecimen_ = measuredStandards_++ % kSpecimenCount;
        curve = withNoise(specimen(lastStandardSpecimen_).curve, random_);
      } else {
        curve = withNoise(withNoise(specimen(lastStandardSpecimen_).curve, random_), random_);
        for (float& v : curve) v *= 0.985f;  // a sample a little darker than its standard
      }
      const Lab lab = labOf(curve);
      for (float v : {lab.L, lab.a, lab.b, lab.C, lab.h}) putF32(out, v);
      for (float v : curve) putF32(out, v);
      return out;
    }
    case kSelectRecords: {
      std::uint8_t kind;
      std::uint16_t standardNumber, first, count;
      if (!in.u8(kind) || !in.u16(standardNumber) || !in.u16(first) || !in.u16(count)) return bad();
      std::vector<StoredEntry>* records = list(kind, standardNumber);
      if (first == 0 && count == 0xFFFF) {
        status = kCountFollows;
        out.push_back(kind);
        putU16(out, standardNumber);
        putU16(out, 0xFFFF);
        putU16(out, static_cast<std::uint16_t>(records ? records->size() : 0));
        return out;
      }
      if (records == nullptr || count == 0 || std::size_t{first} + count > records->size()) {
        status = kNoSuchRecord;
        return out;
      }
      selection_ =
          std::vector<StoredEntry>(records->begin() + first, records->begin() + first + count);
      out.push_back(kind);
      putU16(out, standardNumber);
      putU16(out, first);
      putU16(out, count);
      return out;
    }
    case kDeleteSampleData: {
      std::uint8_t kind;
      std::uint16_t number;
      if (!in.u8(kind) || !in.u16(number) || kind > 1) return bad();
      if (kind == 1) {
        if (samples_.erase(number) == 0) status = kNoSuchRecord;
        return out;
      }
      const auto it = std::find_if(standards_.begin(), standards_.end(),
                                   [&](const StoredEntry& e) { return e.number == number; });
      if (it == standards_.end()) {
        status = kNoSuchRecord;
        return out;
      }
      standards_.erase(it);
      return out;
    }
    case kWriteStandardSampleData: {
      std::uint8_t content, illuminant, observer, flag;
      Bytes name;
      float values[31];
      if (!in.u8(content) || !in.u8(illuminant) || !in.u8(observer) || !in.u8(flag) ||
          !in.raw(9, name))
        return bad();
      for (float& v : values)
        if (!in.f32(v)) return bad();
      if (content != 0 && content != 2) return bad();
      if (standards_.size() >= capacity_) {
        status = kMemoryFull;
        return out;
      }
      StoredEntry e;
      e.number = standards_.empty() ? 0 : static_cast<std::uint16_t>(standards_.back().number + 1);
      e.name.assign(name.begin(), std::find(name.begin(), name.end(), std::uint8_t{0}));
      e.year = year_;
      e.month = month_;
      e.day = day_;
      e.hour = hour_;
      e.minute = minute_;
      if (content == 2) {
        std::copy(values, values + 31, e.curve.begin());
        const Lab lab = labOf(e.curve);
        const float v[5] = {lab.L, lab.a, lab.b, lab.C, lab.h};
        std::copy(v, v + 5, e.values);
      } else {
        e.reference = -2;
        e.illuminant = illuminant;
        e.observer = observer;
        std::copy(values, values + 3, e.values);
      }
      standards_.push_back(e);
      return out;
    }
    case kWriteWhiteBoardData: {
      std::string inner, outer;
      std::array<float, 31> values;
      if (!in.text(inner) || !in.text(outer)) return bad();
      for (float& v : values)
        if (!in.f32(v)) return bad();
      innerBoard_ = inner;
      outerBoard_ = outer;
      boardValues_ = values;
      return out;
    }
    case kReadWhiteBoardData:
      putText(out, innerBoard_);
      putText(out, outerBoard_);
      for (float v : boardValues_) putF32(out, v);
      return out;
    case kGetDacData:
      for (std::uint16_t v : dac_) putU16(out, v);
      out.insert(out.end(), gains_.begin(), gains_.end());
      return out;
    case kSetDacGain: {
      Bytes g;
      if (!in.raw(32, g)) return bad();
      std::copy(g.begin(), g.end(), gains_.begin());
      return out;
    }
    case kGetDacLightRange:
      for (std::uint16_t v : lightRange_) putU16(out, v);
      return out;
    case kWriteRasterCoefficients: {
      std::array<std::int32_t, 12> r;
      for (std::int32_t& v : r) {
        std::uint32_t u;
        if (!in.u32(u)) return bad();
        v = static_cast<std::int32_t>(u);
      }
      raster_ = r;
      return out;
    }
    case kReadRasterCoefficients:
      for (std::int32_t v : raster_) putU32(out, static_cast<std::uint32_t>(v));
      return out;
    case kSetIntegrationTimes:
      if (!in.u16(integration_)) return bad();
      return out;
    case kGetIntegrationTimes: putU16(out, integration_); return out;
    case kSetSimplingTimes:
      if (!in.u8(sampling_)) return bad();
      return out;
    case kGetSimplingTimes: out.push_back(sampling_); return out;
    case kSetHighVoltageLevelPullingTimes:
      if (!in.u8(highVoltage_)) return bad();
      return out;
    case kGetHighVoltageLevelPullingTimes: out.push_back(highVoltage_); return out;
    case kSetMotorRatating:
      if (!in.u8(motorFirst_) || !in.u16(motorSecond_)) return bad();
      return out;
    case kSetDateTime: {
      std::uint8_t hour, minute, year, month, day;
      if (!in.u8(hour) || !in.u8(minute) || !in.u8(year) || !in.u8(month) || !in.u8(day))
        return bad();
      if (hour > 23 || minute > 59 || month < 1 || month > 12 || day < 1 || day > 31) return bad();
      hour_ = hour;
      minute_ = minute;
      year_ = static_cast<std::uint16_t>(2000 + year);
      month_ = month;
      day_ = day;
      return out;
    }
    case kSetCorrectionAlgorithmThreshold: {
      std::uint32_t u;
      if (!in.u32(u)) return bad();
      threshold_ = static_cast<std::int32_t>(u);
      return out;
    }
    case kGetCorrectionAlgorithmThreshold:
      putU32(out, static_cast<std::uint32_t>(threshold_));
      return out;
    default: status = kUnknownCommand; return out;
  }
}

}  // namespace colorport::sim
