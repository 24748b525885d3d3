#include "core/job_file_error.h"

#include <cerrno>
#include <cstring>

#include "core/language_table.h"

namespace corvana {

namespace {

bool isSaveFault(JobFileFault fault) {
  return fault == JobFileFault::NoFileName || fault == JobFileFault::SaveFailed;
}

// The language text with each "%s" replaced by the next argument.
std::string filled(Text text, std::initializer_list<std::string> arguments) {
  std::string out = LookupText(text);
  std::size_t from = 0;
  for (const std::string& a : arguments) {
    const std::size_t at = out.find("%s", from);
    if (at == std::string::npos) break;
    out.replace(at, 2, a);
    from = at + a.size();
  }
  return out;
}

}  // namespace

JobFileFault readFaultOf(int error) {
  switch (error) {
    case 0: return JobFileFault::None;
    case ENOENT:
    case ENOTDIR: return JobFileFault::FileMissing;
    case EACCES:
    case EPERM: return JobFileFault::NotReadable;
    case EISDIR: return JobFileFault::IsFolder;
    case EFBIG: return JobFileFault::TooLarge;
    default: return JobFileFault::ReadFailed;
  }
}

std::string jobFileFaultText(const JobFileError& e) {
  switch (e.fault) {
    case JobFileFault::None: return {};
    case JobFileFault::FileMissing: return LookupText(Text::FileMissing);
    case JobFileFault::NotReadable: return LookupText(Text::FileNotReadable);
    case JobFileFault::IsFolder: return LookupText(Text::FileIsFolder);
    case JobFileFault::ReadFailed: return LookupText(Text::FileReadFailed);
    case JobFileFault::Empty: return LookupText(Text::FileEmpty);
    case JobFileFault::TooLarge: return LookupText(Text::FileTooLarge);
    case JobFileFault::WideEncoding: return LookupText(Text::FileWideEncoding);
    case JobFileFault::NotText: return LookupText(Text::FileNotText);
    case JobFileFault::NotXml: return LookupText(Text::FileNotXml);
    case JobFileFault::MalformedXml:
      if (e.line <= 0) return LookupText(Text::FileMalformedXml);
      return filled(Text::FileMalformedXmlAt, {std::to_string(e.line), std::to_string(e.column)});
    case JobFileFault::NotJobFile: return LookupText(Text::FileNotJobFile);
    case JobFileFault::NestedTooDeep:
      return filled(Text::FileNestedTooDeep, {std::to_string(e.limit)});
    case JobFileFault::TooManyAttributes:
      return filled(Text::FileTooManyAttributes, {std::to_string(e.limit)});
    case JobFileFault::NoFileName: return LookupText(Text::JobHasNoFileName);
    case JobFileFault::SaveFailed: return fileFaultText(e.saveFault);  // empty: errno says it
    case JobFileFault::NotRegularFile: return LookupText(Text::NotRegularFile);
  }
  return {};
}

std::string jobFileErrorText(const JobFileError& e) {
  if (!e.failed()) return {};
  std::string out = LookupText(isSaveFault(e.fault) ? Text::JobNotSaved : Text::OpenFileFailed);
  const std::string sentence = jobFileFaultText(e);
  const std::string system = e.systemError != 0 ? std::strerror(e.systemError) : "";
  out += "\n";
  if (!e.path.empty()) out += e.path + ": ";
  // The system's reason follows our sentence, or stands in for it.
  out += sentence.empty() ? system : sentence;
  if (!sentence.empty() && !system.empty()) out += "\n" + system;
  if (!e.xmlReason.empty()) out += "\n" + e.xmlReason;
  return out;
}

}  // namespace corvana
