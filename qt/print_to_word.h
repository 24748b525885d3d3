#pragma once
// "Print to Word" of the job window: the word-processor report saved in the
// documents folder and handed to the desktop's application for documents.
#include <QString>
#include <functional>
#include <vector>

class QWidget;

#include "reports/cumulative_report.h"

namespace corvana {
class Job;
}

namespace corvana::ui {

// The colour-difference report of the current standard and sample, or the
// cumulative report of `samples` (positions in list order) under the
// sample list's sort mode. Shows the
// template's error, a save failure, or where the document is when nothing
// opens it. Returns the saved document's path, empty when none was saved.
QString printToWord(QWidget* parent, const Job& job, bool cumulative,
                    const std::vector<int>& samples,
                    ListSortMode sortMode = ListSortMode::Unsorted);

}  // namespace corvana::ui
