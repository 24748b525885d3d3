#include "core/naming.h"

#include <array>
#include <cstdio>

#include "core/job.h"

namespace corvana {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool startsWithIgnoringCase(std::string_view text, std::string_view token) {
  if (text.size() < token.size()) return false;
  for (std::size_t i = 0; i < token.size(); ++i)
    if (lower(text[i]) != token[i]) return false;
  return true;
}

std::string number(int value, bool twoDigits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, twoDigits ? "%02d" : "%d", value);
  return buffer;
}

// "%0kd" without a width limit: a counter wider than k digits stays whole.
std::string zeroFilled(std::int64_t counter, std::size_t width) {
  const bool negative = counter < 0;
  std::string digits = std::to_string(counter);
  if (negative) digits.erase(0, 1);
  const std::size_t used = digits.size() + (negative ? 1 : 0);
  if (used < width) digits.insert(0, width - used, '0');
  return negative ? "-" + digits : digits;
}

struct DateToken {
  std::string_view token;
  int (*value)(const RecordTime&);
  bool twoDigits;
};

const std::array<DateToken, 12> kDateTokens = {{
    {"yyyy", [](const RecordTime& t) { return int(t.year); }, false},
    {"yy", [](const RecordTime& t) { return int(t.year % 100); }, true},
    {"mm", [](const RecordTime& t) { return int(t.month); }, true},
    {"m", [](const RecordTime& t) { return int(t.month); }, false},
    {"dd", [](const RecordTime& t) { return int(t.day); }, true},
    {"d", [](const RecordTime& t) { return int(t.day); }, false},
    {"hh", [](const RecordTime& t) { return int(t.hour); }, true},
    {"h", [](const RecordTime& t) { return int(t.hour); }, false},
    {"ii", [](const RecordTime& t) { return int(t.minute); }, true},
    {"i", [](const RecordTime& t) { return int(t.minute); }, false},
    {"ss", [](const RecordTime& t) { return int(t.second); }, true},
    {"s", [](const RecordTime& t) { return int(t.second); }, false},
}};

void expandSegment(std::string_view segment, std::int64_t counter, const RecordTime& now,
                   std::string& out) {
  if (segment.empty()) {
    out += '%';
    return;
  }
  std::size_t ns = 0;
  while (ns < segment.size() && lower(segment[ns]) == 'n') ++ns;
  if (ns > 0) {
    out += zeroFilled(counter, ns);
    out += segment.substr(ns);
    return;
  }
  for (const DateToken& t : kDateTokens) {
    if (startsWithIgnoringCase(segment, t.token)) {
      out += number(t.value(now), t.twoDigits);
      out += segment.substr(t.token.size());
      return;
    }
  }
  out += segment;
}

}  // namespace

std::string expandTemplate(std::string_view text, std::int64_t counter, const RecordTime& now) {
  std::size_t percent = text.find('%');
  std::string out(text.substr(0, percent));
  while (percent != std::string_view::npos) {
    const std::size_t next = text.find('%', percent + 1);
    const std::size_t end = next == std::string_view::npos ? text.size() : next;
    expandSegment(text.substr(percent + 1, end - percent - 1), counter, now, out);
    percent = next;
  }
  return out;
}

std::string nameFromRules(const Job& job, RecordList list, std::string_view rule1,
                          std::string_view rule2, const RecordTime& now) {
  std::string rules(rule1);
  rules += rule2;
  return expandTemplate(rules, std::int64_t(job.count(list)) + 1, now);
}

MeasurementNaming nameForNewMeasurement(const Job& job, RecordList list, const RecordTime& now) {
  const bool standards = list == RecordList::Standards;
  if (!(standards ? job.autoNamingStandards : job.autoNamingSamples)) return {true, {}, {}};
  if (standards)
    return {false, nameFromRules(job, list, job.StandardNameRule1, job.StandardNameRule2, now),
            job.StandardMaterial};
  return {false, nameFromRules(job, list, job.SampleNameRule1, job.SampleNameRule2, now),
          job.SampleMaterial};
}

}  // namespace corvana
