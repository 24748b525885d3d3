#include "core/job_window_title.h"

#include "core/display_text.h"
#include "core/job.h"
#include "core/language_table.h"

namespace corvana {

std::string jobWindowTitle(const Job& job) {
  std::string text = job.modified() ? "*" : "";
  // A name read from a file can be of any length; a title bar shows a few words.
  text += elidedText(job.title);
  text += " - ";
  text += job.filePath.empty() ? LookupText(Text::NoFileYet) : job.filePath;
  return text;
}

}  // namespace corvana
