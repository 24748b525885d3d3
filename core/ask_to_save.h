#pragma once
// Whether a job window may close: the question is asked through a callback
// so the decision is the same with a real message box or a test's answer.
#include <functional>
#include <string>

namespace corvana {

class Job;

enum class SaveAnswer { Yes, No, Cancel };
enum class CloseDecision { GoOn, Cancel };

// ask gets the question text ("%s has modified!..." with the title) and
// returns the user's answer; save writes the job and returns true when it was
// written (false: the user cancelled the file dialog or the save failed, and
// then the window stays open so nothing is lost).
CloseDecision askToSave(const Job& job, bool hasMainWindow, bool autoSave,
                        const std::function<SaveAnswer(const std::string& question)>& ask,
                        const std::function<bool()>& save);

// The question of row 349 for a title.
std::string saveQuestion(const std::string& title);

}  // namespace corvana
