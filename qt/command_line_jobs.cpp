#include "qt/command_line_jobs.h"

#include <QDir>
#include <QTimer>

#include "core/job_file_error.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

QStringList commandLineJobFiles(int argc, char** argv) {
  QStringList paths;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg.endsWith(".job", Qt::CaseInsensitive))
      paths << QDir::cleanPath(QDir().absoluteFilePath(arg));
  }
  return paths;
}

void openCommandLineJobs(CMainFrame& main, CChildFrame& first, const QStringList& paths) {
  for (const QString& path : paths) {
    JobFileError error;
    if (first.readFile(path, error)) continue;
    // Worded when shown, not now: the language is not decided yet.
    QTimer::singleShot(0, &main, [&main, error] {
      ui::showMessage(&main, {QString(), ui::qstr(jobFileErrorText(error))});
    });
  }
}

}  // namespace corvana
