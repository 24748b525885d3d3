#pragma once
// Records and an observer that logs what a job told its window.
#include <cmath>
#include <string>
#include <vector>

#include "colour/measurement_record.h"
#include "core/job.h"
#include "core/job_manager.h"

namespace corvana::testing {

inline MeasurementRecord curveSample(const std::string& name, float shift = 0.0f,
                                     const std::string& material = "") {
  MeasurementRecord r;
  r.setName(name);
  r.setMaterial(material);
  for (int i = 0; i < kCurvePoints; ++i) {
    const float nm = float(wavelengthOf(i));
    r.reflectance[std::size_t(i)] =
        0.05f + 0.7f / (1.0f + std::exp(-(nm - 600.0f - shift) / 15.0f));
  }
  r.UseReflect = true;
  return r;
}

inline MeasurementRecord labSample(const std::string& name, float L, float a, float b,
                                   int illuminant, int observer) {
  MeasurementRecord r;
  r.setName(name);
  r.L = L, r.a = a, r.b = b;
  r.illuminant = std::uint8_t(illuminant);
  r.observer = std::uint8_t(observer);
  r.UseReflect = false;
  return r;
}

struct RecordingObserver : JobObserver {
  std::vector<std::string> log;
  static const char* name(RecordList l) {
    return l == RecordList::Standards ? "standard" : "sample";
  }
  void recordAdded(RecordList l, int i) override {
    log.push_back(std::string("add ") + name(l) + " " + std::to_string(i));
  }
  void recordsRemoved(RecordList l, const std::vector<int>& v) override {
    std::string s = std::string("remove ") + name(l);
    for (int i : v) s += " " + std::to_string(i);
    log.push_back(s);
  }
  void currentChanged(RecordList l, int old) override {
    log.push_back(std::string("current ") + name(l) + " from " + std::to_string(old));
  }
  void recordTextChanged(RecordList l, int i) override {
    log.push_back(std::string("text ") + name(l) + " " + std::to_string(i));
  }
  void everythingChanged() override { log.push_back("everything"); }
  void modifiedChanged(bool m) override { log.push_back(m ? "modified" : "saved"); }
};

}  // namespace corvana::testing
