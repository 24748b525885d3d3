#pragma once
// The rows of the standard or sample list: which records are shown, in which
// order, and the text of every cell. The list widget only draws this.
#include <cstdint>
#include <string>
#include <vector>

#include "core/cell_tone.h"
#include "core/job_observer.h"

namespace corvana {

class Job;

struct ListColumn {
  enum Kind { Number, Name, Value, Difference, Grade, Material } kind;
  int index = 0;       // value or difference slot
  int widthUnits = 0;  // dialog units
};

struct SortKey {
  int column = -1;  // -1: none
  bool ascending = true;
};

// The filter value that shows every record (the menu shows its own text).
constexpr const char* kAllMaterials = "All";

class RecordListRows {
 public:
  RecordListRows(const Job& job, RecordList list) : job_(job), list_(list) {}

  const Job& job() const { return job_; }
  RecordList list() const { return list_; }
  const std::vector<ListColumn>& columns() const { return columns_; }
  int columnCount() const { return int(columns_.size()); }
  int rowCount() const { return int(rows_.size()); }
  int recordAt(int row) const { return rows_[std::size_t(row)]; }
  // Row showing a record, or -1.
  int rowOf(int record) const;

  // With the sort arrows unless `arrows` is false; the material heading
  // names an active filter.
  std::string heading(int column, bool arrows = true) const;
  std::string cellText(int row, int column) const;
  // The grade cell's tone; every other cell is plain.
  CellTone cellTone(int row, int column) const;
  // The row shows the list's current record.
  bool isCurrentRow(int row) const;
  // What the list says when the filter hides the current record; empty otherwise.
  std::string hiddenCurrentNotice() const;

  // Columns for the job's space and formula, one row per record that passes
  // the filter, in record order (so the sort keys go).
  void rebuild();
  // A record was appended to the job; true when it got a row.
  bool appendRow(int record);
  // Whether appendRow would add a row (the columns exist and the filter passes).
  bool accepts(int record) const;
  // The job deleted these records (indices before the removal).
  void recordsRemoved(const std::vector<int>& records);

  // A heading click (any column but the last): sort keys as the rules say.
  void clickHeading(int column);
  // "↑" / "↓" of the material menu.
  void sortByMaterial();
  // "All", a material, or "" for records without one; clears the keys.
  void setFilter(const std::string& filter);
  const std::string& filter() const { return filter_; }
  bool filtering() const { return filter_ != kAllMaterials; }
  // Distinct materials of all records of the list, in ascending order.
  std::vector<std::string> materials() const;

  const SortKey& key(int k) const { return keys_[k]; }

 private:
  bool passesFilter(int record) const;
  int currentRecord() const;
  void sort();

  const Job& job_;
  RecordList list_;
  std::vector<ListColumn> columns_;
  std::vector<int> rows_;  // record index of each row
  std::string filter_ = kAllMaterials;
  SortKey keys_[2];
};

}  // namespace corvana
