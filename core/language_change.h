#pragma once
// Changing the process-wide language and telling whoever shows texts: the
// main window rebuilds its menu, the job windows re-label their views.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace corvana {

// Listeners in the order they were added; the job windows add themselves in
// the JobManager's order, since they are created in it.
class LanguageListeners {
 public:
  using Listener = std::function<void(std::uint8_t language)>;
  // Returns an id for remove().
  int add(Listener listener);
  void remove(int id);
  void notify(std::uint8_t language) const;
  std::size_t size() const { return listeners_.size(); }

 private:
  std::vector<std::pair<int, Listener>> listeners_;
  int nextId_ = 1;
};

// The listeners the window code registers with.
LanguageListeners& languageListeners();

// Nothing when `language` is the current one and `force` is false; otherwise
// stores it in LanguageIndex and notifies the listeners. An index outside
// 0..2 is refused. True when the language was set.
bool setLanguage(std::uint8_t language, bool force);

}  // namespace corvana
