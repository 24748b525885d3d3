#pragma once
// One open job: its standards and samples, its conditions and its value table.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "colour/indices.h"
#include "colour/judgement.h"
#include "colour/measurement_record.h"
#include "colour/tolerance.h"
#include "core/color_value_table.h"
#include "core/file_identity.h"
#include "core/job_observer.h"

namespace corvana {

class JobManager;

constexpr std::uint8_t kNoMinimumReflectance = 255;
constexpr const char* kCurrentMarker = "*  ";

class Job {
 public:
  // Defaults come from the manager: conditions and the user profile.
  explicit Job(const JobManager& manager);
  Job(const Job&) = delete;
  Job& operator=(const Job&) = delete;

  JobObserver* window = nullptr;  // not owned
  std::string title;              // the window title, e.g. "Job1"

  ColorSpace colorSpace = CieLab;
  ColorFormula colorFormula = Cie1976;
  Illuminant illuminants[3] = {D65, A, F2};
  Observer observer = Observer10;
  ToleranceTable toleranceB;  // edited, judged, saved
  bool autoNamingStandards = false;
  bool autoNamingSamples = false;
  std::int32_t currentSample = -1;
  std::int32_t currentStandard = -1;
  std::string StandardNameRule1 = "Standard%nnn";
  std::string StandardNameRule2;
  std::string SampleNameRule1 = "Sample%nnn";
  std::string SampleNameRule2;
  std::string StandardMaterial;
  std::string SampleMaterial;
  ColorValueTable table{*this};
  std::string filePath;
  // The file as this job last read or wrote it: Save asks before writing
  // over another writer's changes.
  FileIdentity fileIdentity;
  std::uint32_t judgeMethod = UseDeltaE;
  std::uint8_t DataAccuracy = 3;
  std::string ChineseName, EnglishName, ChineseAddress, EnglishAddress;
  bool PrintReflectanceInCumulative = false;
  bool PrintChromaticity = false;
  float toleranceQuotiety = kDefaultToleranceQuotiety;
  std::string DeviceName;  // 8-bit model text of the instrument
  MetamericConditions metameric;
  std::uint8_t minimumReflectanceIndex = 0;
  std::uint32_t IlluminantCount = 1;

  int standardCount() const { return int(standards_.size()); }
  int sampleCount() const { return int(samples_.size()); }
  const MeasurementRecord& standard(int i) const { return standards_[std::size_t(i)]; }
  const MeasurementRecord& sample(int i) const { return samples_[std::size_t(i)]; }
  const std::vector<MeasurementRecord>& records(RecordList list) const {
    return list == RecordList::Standards ? standards_ : samples_;
  }
  int count(RecordList list) const { return int(records(list).size()); }
  // The condition of illuminant slot 0..2: its illuminant under the job's observer.
  Condition condition(int slot) const { return {illuminants[slot], observer}; }
  bool hasCurrentStandard() const {
    return currentStandard >= 0 && currentStandard < standardCount();
  }

  bool modified() const { return modified_; }
  void setModified(bool modified);

  void addStandard(const MeasurementRecord& record, bool select);
  void addSample(const MeasurementRecord& record, bool select);
  void deleteStandards(std::vector<int> indices);
  void deleteSamples(std::vector<int> indices);
  // byUser: a choice in a list or through Find, which marks the job modified.
  void selectStandard(int index, bool byUser = false);
  void selectSample(int index, bool byUser = false);
  // An empty text is a valid name or material (the dialogs allow it).
  void renameStandard(int index, const std::string& text);
  void renameSample(int index, const std::string& text);
  void setStandardMaterial(int index, const std::string& text);
  void setSampleMaterial(int index, const std::string& text);
  void setColorFormula(ColorFormula formula);
  bool setIlluminantCount(std::uint32_t count);
  void recomputeAll();
  void setTitle(std::string text);

  // Empties both lists (before a file is read into the job).
  void clearRecords();
  // Room for `count` records in a list, so reading a large file copies none twice.
  void reserveRecords(RecordList list, int count);
  void recomputeMinimumReflectanceIndex();

 private:
  void add(RecordList list, const MeasurementRecord& record, bool select);
  void remove(RecordList list, std::vector<int> indices);
  void makeCurrent(RecordList list, int index);
  void setText(RecordList list, int index, const std::string& text, bool material);
  std::vector<MeasurementRecord>& list(RecordList l) {
    return l == RecordList::Standards ? standards_ : samples_;
  }

  std::vector<MeasurementRecord> samples_;
  std::vector<MeasurementRecord> standards_;
  bool modified_ = false;
};

// Title of a new job window: "Job" and the number of open jobs with it.
std::string newJobTitle(int openJobsIncludingNew);

}  // namespace corvana
