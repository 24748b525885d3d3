#include "colour/measurement_record.h"

#include <gtest/gtest.h>

#include <string>

namespace corvana {
namespace {

TEST(RecordText, CutAt127CodeUnits) {
  MeasurementRecord r;
  r.setName(std::string(200, 'x'));
  EXPECT_EQ(r.nameUtf8(), std::string(127, 'x'));
  EXPECT_EQ(r.name[127], u'\0');
  r.setMaterial("料号-7");
  EXPECT_EQ(r.materialUtf8(), "料号-7");
}

TEST(RecordText, NeverSplitsASurrogatePair) {
  // 126 ASCII units then an emoji (two units): the pair does not fit whole.
  MeasurementRecord r;
  r.setName(std::string(126, 'a') + "\xF0\x9F\x8E\xA8");
  EXPECT_EQ(r.nameUtf8(), std::string(126, 'a'));
  r.setName(std::string(125, 'a') + "\xF0\x9F\x8E\xA8" + "z");
  EXPECT_EQ(r.nameUtf8(), std::string(125, 'a') + "\xF0\x9F\x8E\xA8");
}

TEST(RecordText, MalformedUtf8BecomesReplacementCharacters) {
  MeasurementRecord r;
  r.setName("ok\xC3");
  EXPECT_EQ(r.nameUtf8(), "ok\xEF\xBF\xBD");
  r.setName("\xED\xA0\x80");  // an encoded surrogate is not a character
  EXPECT_EQ(r.nameUtf8(), "\xEF\xBF\xBD");
}

TEST(RecordTime, Validity) {
  struct Case {
    RecordTime t;
    bool valid;
  } cases[] = {
      {{29, 2, 2024, 0, 0, 0}, true},  {{29, 2, 2023, 0, 0, 0}, false},
      {{29, 2, 1900, 0, 0, 0}, false}, {{29, 2, 2000, 0, 0, 0}, true},
      {{31, 4, 2014, 0, 0, 0}, false}, {{31, 12, 2014, 59, 59, 23}, true},
      {{1, 1, 2014, 60, 0, 0}, false}, {{1, 1, 2014, 0, 60, 0}, false},
      {{1, 1, 2014, 0, 0, 24}, false}, {{0, 1, 2014, 0, 0, 0}, false},
      {{1, 13, 2014, 0, 0, 0}, false}, {{1, 0, 2014, 0, 0, 0}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.t.isValid(), c.valid)
        << int(c.t.day) << "." << int(c.t.month) << "." << c.t.year << " " << int(c.t.hour) << ":"
        << int(c.t.minute) << ":" << int(c.t.second);
}

TEST(MeasurementRecord, NewRecordIsUnnumbered) {
  MeasurementRecord r;
  EXPECT_EQ(r.SerialNumber, -1);
  EXPECT_FALSE(r.UseReflect);
}

}  // namespace
}  // namespace corvana
