#pragma once
// Job files (.job): XML in TinyXML's layout, read through TinyXML except for
// record lists in the plain written form, which a faster reader takes.
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/job_file_error.h"

namespace corvana {

class Job;

// Writes the job to `path` through a temporary file beside it that is
// renamed over the target, so an interrupted save leaves the old file whole.
// On success clears the modified flag and returns true; on failure returns
// false with a message in `error` and leaves the job modified.
bool writeJobFile(Job& job, const std::string& path, std::string* error = nullptr);
// The same with the reason as a value, worded when it is shown.
bool writeJobFile(Job& job, const std::string& path, JobFileError& error);

// Replaces the job's records and conditions from `path`. A file that cannot
// be read or parsed returns false with `error` set and leaves the job, its
// records and its file path exactly as they were.
bool readJobFile(Job& job, const std::string& path, std::string* error = nullptr);
// The same with the reason as a value (jobFileErrorText words it). Only a
// regular file is read, refused from its stat otherwise (a FIFO would wait
// for a writer, a device has no end); AnyFile reads standard input too.
bool readJobFile(Job& job, const std::string& path, JobFileError& error,
                 ReadFrom from = ReadFrom::RegularFileOnly);

// The path a save writes for a name the user typed: ".job" is added when the
// file name has no extension of its own, since Open lists only job files.
// "a" and "a." become "a.job"; "a.JOB" and "a.txt" stay; a dot in a folder
// name or at the start of the file name (".x") is no extension.
std::string withJobExtension(const std::string& path);

// The document as written to a file (CR LF line ends, 8-bit code page texts).
std::string jobFileText(const Job& job);
// The same in a given code page (an iconv name such as "GBK").
std::string jobFileText(const Job& job, const std::string& codePage);
// Reads a document from memory; false (job untouched) when it does not parse.
bool readJobFileText(Job& job, std::string_view bytes);
// The same with the reason in `error` ("Open file failed!" and why), decoding
// as if the locale's charset were `localeCodePage`.
bool readJobFileText(Job& job, std::string_view bytes, std::string* error,
                     const std::string& localeCodePage);
bool readJobFileText(Job& job, std::string_view bytes, JobFileError& error,
                     const std::string& localeCodePage);

}  // namespace corvana
