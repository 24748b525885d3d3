#pragma once
// Export Data: the job's sheet saved as a workbook in the documents folder
// and handed to the desktop's spreadsheet program.
#include <QString>
#include <vector>

class QWidget;

namespace corvana {

class Job;

// Writes the sheet of these records (positions in the job's lists, in the
// order the sheet shows them) as "Export Data <date> <time>.xlsx" and opens
// it. A message says where the file is when no program opens it, and why
// when it cannot be written. Returns the file written, or empty.
QString exportData(QWidget* parent, const Job& job, const std::vector<int>& standards,
                   const std::vector<int>& samples);

}  // namespace corvana
