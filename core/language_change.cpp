#include "core/language_change.h"

#include <algorithm>

#include "core/language_table.h"

namespace corvana {

int LanguageListeners::add(Listener listener) {
  listeners_.emplace_back(nextId_, std::move(listener));
  return nextId_++;
}

void LanguageListeners::remove(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void LanguageListeners::notify(std::uint8_t language) const {
  // A copy: a listener may add or remove listeners while it runs.
  const auto listeners = listeners_;
  for (const auto& [id, listener] : listeners) listener(language);
}

LanguageListeners& languageListeners() {
  static LanguageListeners listeners;
  return listeners;
}

bool setLanguage(std::uint8_t language, bool force) {
  // Lookups take the language as a column of the table; there are three.
  if (language > ChineseTraditional) return false;
  if (language == LanguageIndex && !force) return false;
  LanguageIndex = language;
  languageListeners().notify(language);
  return true;
}

}  // namespace corvana
