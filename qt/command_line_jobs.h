#pragma once
// Job files named on the command line. They are read into the first job
// window before the main window shows; a file that does not open is
// reported once the event loop runs -- after the window is up, in the
// language chosen at start-up, which is decided after the files are read.
#include <QStringList>

namespace corvana {

class CMainFrame;
class CChildFrame;

// The arguments after the program's name that end in ".job" (any case), as
// absolute paths: the program changes its working folder at start, and a
// path typed relative to the shell's folder must still name the same file.
QStringList commandLineJobFiles(int argc, char** argv);

// Reads each file into `first` in turn and queues the report of each failure.
void openCommandLineJobs(CMainFrame& main, CChildFrame& first, const QStringList& paths);

}  // namespace corvana
