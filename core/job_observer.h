#pragma once
// What a job tells the window that shows it. The job window implements it;
// tests record the calls.
#include <vector>

namespace corvana {

enum class RecordList { Standards, Samples };

class JobObserver {
 public:
  virtual ~JobObserver() = default;
  virtual void recordAdded(RecordList, int /*index*/) {}
  // Indices as they were before the removal, descending.
  virtual void recordsRemoved(RecordList, const std::vector<int>& /*indices*/) {}
  virtual void currentChanged(RecordList, int /*oldIndex*/) {}
  virtual void recordTextChanged(RecordList, int /*index*/) {}
  // Conditions or every value changed: lists and plots rebuild.
  virtual void everythingChanged() {}
  virtual void illuminantCountChanged() {}
  virtual void titleChanged() {}
  virtual void modifiedChanged(bool /*modified*/) {}
};

}  // namespace corvana
