#pragma once
// Shared set-up of the dialog tests: a job, the language, the factors and
// remembered tabs reset, and a way to open a dialog without a modal loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "colour/parametric_factors.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "qt/dialogs/tabbed_dialog.h"
#include "qt/ui_text.h"
#include "tests/qt/ui_test_support.h"

namespace corvana::testing {

// Shows the dialog modelessly and lets its posted texts arrive.
inline void openDialog(QDialog& dialog) {
  dialog.show();
  QApplication::processEvents();
}

template <typename T>
T* child(const QWidget& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    parametricFactors() = ParametricFactors{};
    TabbedDialog::forgetRememberedTabs();
    savedMode_ = jobManager().currentMeasurementMode;
    job = std::make_unique<Job>(jobManager());
  }
  void TearDown() override {
    LanguageIndex = English;
    parametricFactors() = ParametricFactors{};
    jobManager().currentMeasurementMode = savedMode_;
  }

  std::unique_ptr<Job> job;
  MessageRecorder messages;

 private:
  std::uint32_t savedMode_ = 1;
};

// The same tests in a given language.
class LanguageDialogTest : public DialogTest, public ::testing::WithParamInterface<std::uint8_t> {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    LanguageIndex = GetParam();
  }
};

inline std::string languageName(const ::testing::TestParamInfo<std::uint8_t>& info) {
  static const char* const names[] = {"English", "Simplified", "Traditional"};
  return names[info.param];
}

}  // namespace corvana::testing
