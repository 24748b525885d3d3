#pragma once
// Where the word-processor templates (<name>.dotx) are: under the first of
//   $CORVANA_TEMPLATE_DIR,
//   <executable folder>/../resources/templates     (the program in a build tree),
//   <executable folder>/../../resources/templates  (a tool in a build tree),
//   <executable folder>/../share/corvana/templates (an installed program).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvana {

struct TemplateLocationInputs {
  std::string templateDirectory;    // $CORVANA_TEMPLATE_DIR, may be empty
  std::string executableDirectory;  // without a trailing "/", may be empty
};

TemplateLocationInputs currentTemplateLocationInputs();
std::vector<std::filesystem::path> templateFolders(const TemplateLocationInputs& inputs);
// <name>.dotx in the first folder that has it; empty when none has.
std::filesystem::path findTemplate(const TemplateLocationInputs& inputs, std::string_view name);

}  // namespace corvana
