#include "reports/word_templates.h"

#include <cstdlib>
#include <system_error>

#include "core/settings_location.h"

namespace corvana {

TemplateLocationInputs currentTemplateLocationInputs() {
  const char* named = std::getenv("CORVANA_TEMPLATE_DIR");
  return {named ? named : "", executableDirectory()};
}

std::vector<std::filesystem::path> templateFolders(const TemplateLocationInputs& inputs) {
  std::vector<std::filesystem::path> folders;
  if (!inputs.templateDirectory.empty()) folders.emplace_back(inputs.templateDirectory);
  if (!inputs.executableDirectory.empty()) {
    const std::filesystem::path exe(inputs.executableDirectory);
    folders.push_back(exe / ".." / "resources" / "templates");
    folders.push_back(exe / ".." / ".." / "resources" / "templates");
    folders.push_back(exe / ".." / "share" / "corvana" / "templates");
  }
  return folders;
}

std::filesystem::path findTemplate(const TemplateLocationInputs& inputs, std::string_view name) {
  const std::string file = std::string(name) + ".dotx";
  for (const std::filesystem::path& folder : templateFolders(inputs)) {
    std::error_code ignored;
    const std::filesystem::path path = folder / file;
    if (std::filesystem::is_regular_file(path, ignored)) return path.lexically_normal();
  }
  return {};
}

}  // namespace corvana
