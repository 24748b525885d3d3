#pragma once
// The temporary file a save writes before it is renamed over the target:
// ".NAME.saving-XXXXXX" beside it, hidden and never ending in the target's
// extension, so a left-over one is not taken for the file itself. A save
// holds an exclusive flock on its temporary while it lives; a temporary that
// nobody holds is what a killed save left behind.
#include <string>

namespace corvana {

// "<folder>/.NAME.saving-" for the target "<folder>/NAME".
std::string temporaryPrefix(const std::string& target);

// Creates a new temporary for `target` (mode 0600) and takes its lock.
// Returns the open descriptor and sets `path`; -1 with errno on failure.
int createLockedTemporary(const std::string& target, std::string& path);

// Removes the temporaries of `target` that no live process holds. Returns
// how many it removed.
int removeStaleTemporaries(const std::string& target);

}  // namespace corvana
