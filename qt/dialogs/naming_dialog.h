#pragma once
// The naming dialog of a list: its default page edits the job's naming
// rules, material and Auto Naming; in measurement mode a manual page first
// names the one record about to be measured.
#include <string>

#include "core/job_observer.h"
#include "qt/dialogs/tabbed_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace corvana {

enum class NamingMode { NameOption, Measurement };

class NamingDefaultPage : public DialogPage {
  Q_OBJECT
 public:
  NamingDefaultPage(Job& job, RecordList list, QWidget* parent = nullptr);
  void apply() override;

 private:
  RecordList list_;
  QComboBox* first_;
  QComboBox* second_;
  QCheckBox* autoNaming_;
  QLineEdit* material_;
};

class NamingManualPage : public DialogPage {
  Q_OBJECT
 public:
  NamingManualPage(Job& job, RecordList list, QWidget* parent = nullptr);
  // Leaves the job alone: names the record about to be measured.
  void apply() override;

  const std::string& name() const { return name_; }
  const std::string& material() const { return materialText_; }

 private:
  RecordList list_;
  QLineEdit* first_;
  QLineEdit* second_;
  QLineEdit* material_;
  std::string name_, materialText_;
};

class NamingDialog : public TabbedDialog {
  Q_OBJECT
 public:
  NamingDialog(Job* job, RecordList list, NamingMode mode, QWidget* parent = nullptr);

  // Measurement mode, after OK: the new record's name and material.
  std::string resultName() const;
  std::string resultMaterial() const;

 private:
  NamingManualPage* manual_ = nullptr;
};

}  // namespace corvana
