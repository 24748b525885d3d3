#include "qt/changed_file_question.h"

#include <array>

#include "core/display_text.h"
#include "core/menu_mnemonics.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana::ui {

ChangedFileAnswer askAboutChangedFile(QWidget* parent, const QString& fileName) {
  const std::array<Text, 3> rows = {Text::Overwrite, Text::SaveAs, Text::Cancel};
  const std::vector<std::string> labels = mnemonicLabels(rows);
  Message question{QString(), format(Text::FileChangedOnDisk, {qstr(elidedText(str(fileName)))}),
                   MessageIcon::Question, kOverwriteButton | kSaveAsButton | QMessageBox::Cancel};
  question.labels = {{kOverwriteButton, qstr(labels[0])},
                     {kSaveAsButton, qstr(labels[1])},
                     {QMessageBox::Cancel, qstr(labels[2])}};
  // Nothing is lost by a slip of the keyboard.
  question.defaultButton = QMessageBox::Cancel;
  question.escapeButton = QMessageBox::Cancel;
  switch (showMessage(parent, question)) {
    case kOverwriteButton: return ChangedFileAnswer::Overwrite;
    case kSaveAsButton: return ChangedFileAnswer::SaveAs;
    default: return ChangedFileAnswer::Cancel;
  }
}

}  // namespace corvana::ui
