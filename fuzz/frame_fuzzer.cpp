// libFuzzer target: arbitrary bytes through the frame cutter, the response
// matcher and every response decoder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "driver/command_set.h"
#include "driver/frame.h"
#include "driver/response_channel.h"

using namespace colorport;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);

  // The stream in chunks whose sizes come from the data itself.
  ResponseChannel channel;
  channel.begin(size > 0 ? data[0] : 0xA1);
  for (std::size_t at = 0; at < size;) {
    const std::size_t n = std::min<std::size_t>(size - at, 1 + data[at] % 64);
    channel.receive(bytes.subspan(at, n));
    at += n;
  }
  if (channel.bufferedBytes() > kMaxFrameSize + size) __builtin_trap();

  DataPacket buffer;
  buffer.bytes.assign(data, data + size);
  while (cutFrame(buffer)) {
  }

  DeviceInfo info;
  decodeDeviceInfo(bytes, info);
  MeasureParameter mp;
  decodeMeasureParameter(bytes, mp);
  ComputeParameter cp;
  decodeComputeParameter(bytes, cp);
  MeasureResult m;
  decodeMeasureResult(bytes, m);
  std::uint16_t count;
  decodeSampleCount(bytes, count);
  StoredRecord record;
  decodeStoredRecord(bytes, record);
  WhiteBoardData board;
  decodeWhiteBoard(bytes, board);
  DacData dac;
  decodeDacData(bytes, dac);
  DacLightRange range;
  decodeDacLightRange(bytes, range);
  RasterCoefficients raster;
  decodeRaster(bytes, raster);
  std::vector<StoredRecord> records(3);
  std::size_t delivered = 0;
  DataFrameContent content;
  decodeDataFrame(bytes, records, delivered, content);
  if (delivered > records.size()) __builtin_trap();
  return 0;
}
