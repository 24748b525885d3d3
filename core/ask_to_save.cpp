#include "core/ask_to_save.h"

#include "core/display_text.h"
#include "core/job.h"
#include "core/language_table.h"

namespace corvana {

std::string saveQuestion(const std::string& title) {
  const std::string& format = LookupText(Text::SaveChangesQuestion);
  std::string text;
  const auto at = format.find("%s");
  if (at == std::string::npos) return format;
  text = format.substr(0, at) + elidedText(title) + format.substr(at + 2);
  return text;
}

CloseDecision askToSave(const Job& job, bool hasMainWindow, bool autoSave,
                        const std::function<SaveAnswer(const std::string&)>& ask,
                        const std::function<bool()>& save) {
  if (!hasMainWindow) return CloseDecision::Cancel;
  if (!job.modified()) return CloseDecision::GoOn;
  if (autoSave) return save() ? CloseDecision::GoOn : CloseDecision::Cancel;
  switch (ask(saveQuestion(job.title))) {
    case SaveAnswer::Yes: return save() ? CloseDecision::GoOn : CloseDecision::Cancel;
    case SaveAnswer::No: return CloseDecision::GoOn;
    case SaveAnswer::Cancel: break;
  }
  return CloseDecision::Cancel;
}

}  // namespace corvana
