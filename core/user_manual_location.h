#pragma once
// Where the user manual is: HTML pages in a folder per language (en, zh-CN,
// zh-TW), each opening at index.html, under the first of
//   $CORVANA_MANUAL_DIR,
//   <executable folder>/../../docs/manual  (a program built in the source tree),
//   <executable folder>/../share/corvana/manual  (an installed program).
#include <string>
#include <string_view>
#include <vector>

namespace corvana {

struct ManualLocationInputs {
  std::string manualDirectory;      // $CORVANA_MANUAL_DIR, may be empty
  std::string executableDirectory;  // without a trailing "/", may be empty
};
ManualLocationInputs currentManualLocationInputs();

// The manual folders looked in, in order.
std::vector<std::string> manualFolders(const ManualLocationInputs& inputs);
// "en", "zh-CN", "zh-TW"; English for an index outside 0..2.
std::string_view manualLanguageFolder(int language);

// The language's index.html in the first folder that has one; when none
// has the language, the English index the same way; empty when there is
// no manual at all.
std::string findManualIndex(const ManualLocationInputs& inputs, int language);

}  // namespace corvana
