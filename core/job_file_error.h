#pragma once
// Why a job file did not open or save, kept as values while the file is read
// or written and worded through the language table only when shown, so a
// report made later speaks the language chosen by then.
#include <cstdint>
#include <string>

#include "core/file_io.h"

namespace corvana {

enum class JobFileFault : std::uint8_t {
  None,
  // Opening
  FileMissing,        // no such file (or a folder on the way is missing)
  NotReadable,        // no permission
  IsFolder,           // a folder where the file should be
  ReadFailed,         // any other failure of the system; see systemError
  Empty,              // no bytes, or blanks only
  TooLarge,           // beyond the 1 GB a job file could ever have
  WideEncoding,       // UTF-16 or UTF-32 text
  NotText,            // NUL bytes in anything else: a binary file
  NotXml,             // text without markup
  MalformedXml,       // see line, column and xmlReason
  NotJobFile,         // XML without any of the job file's elements
  NestedTooDeep,      // beyond `limit` levels
  TooManyAttributes,  // an element with more than `limit` attributes
  // Saving
  NoFileName,
  SaveFailed,  // see systemError, or saveFault for a target refused
  // Opening, added later
  NotRegularFile,  // a device, FIFO or socket: refused from its stat
};

struct JobFileError {
  JobFileFault fault = JobFileFault::None;
  std::string path;     // the file or folder the fault concerns; may be empty
  int systemError = 0;  // errno when the system refused, else 0
  int line = 0;         // MalformedXml: where, from 1; 0 when not known
  int column = 0;
  std::string xmlReason;  // MalformedXml: the XML reader's own description
  int limit = 0;          // NestedTooDeep, TooManyAttributes
  // SaveFailed: why the file writer refused the target; None: see systemError
  FileFault saveFault = FileFault::None;
  bool failed() const { return fault != JobFileFault::None; }
};

// The fault of a read the system refused with `error` (an errno).
JobFileFault readFaultOf(int error);

// The fault's sentence in the current language, without the path or the
// system's reason.
std::string jobFileFaultText(const JobFileError& error);
// The whole report in the current language: for an open "Open file failed!",
// for a save "The job could not be saved.", then "<path>: <sentence>" and the
// system's (strerror) or the XML reader's reason on a line of its own. A save
// the system refused gives its reason in place of a sentence.
std::string jobFileErrorText(const JobFileError& error);

}  // namespace corvana
