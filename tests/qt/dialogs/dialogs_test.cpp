// The dialog bases: MultiLangDialog, the tabbed dialog and the input dialog,
// and what every dialog owes the operator: whole titles and a tab order.
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "dialog_test_support.h"
#include "qt/dialogs/color_space_formula_dialog.h"
#include "qt/dialogs/input_dialog.h"
#include "qt/dialogs/multi_lang_dialog.h"
#include "qt/dialogs/naming_dialog.h"
#include "qt/dialogs/observer_illuminant_dialog.h"
#include "qt/dialogs/other_settings_dialog.h"
#include "qt/dialogs/report_settings_dialog.h"
#include "qt/dialogs/tolerance_dialog.h"
#include "qt/dialogs/upload_standard_dialog.h"

namespace corvana::testing {
namespace {

// A dialog with one label, to watch when and how label entries arrive.
class LabelledDialog : public MultiLangDialog {
 public:
  LabelledDialog(Job* job, Text caption) : MultiLangDialog(job, caption) {
    label = new QLabel(this);
    button = new QPushButton(this);
    addLabel(label, Text::ColorSpaceFormulaSettings);  // "Color Space && Formula Settings"
    addLabel(button, Text::ColorSpaceFormulaSettings);
    // The derived dialog's own set-up after the entries: the entries win.
    label->setText("set up");
  }
  QLabel* label;
  QPushButton* button;
};

using MultiLangDialogTest = DialogTest;

TEST_F(MultiLangDialogTest, RefusesToOpenWithoutAJob) {
  LabelledDialog plain(nullptr, Text::OtherSettings);
  EXPECT_EQ(plain.exec(), -1);
  EXPECT_FALSE(plain.isVisible());
  plain.show();
  EXPECT_FALSE(plain.isVisible());
  EXPECT_EQ(plain.result(), -1);

  ToleranceDialog tolerance(nullptr);
  EXPECT_EQ(tolerance.exec(), -1);
  NamingDialog naming(nullptr, RecordList::Samples, NamingMode::Measurement);
  EXPECT_EQ(naming.exec(), -1);
}

TEST_F(MultiLangDialogTest, LabelsArriveAfterTheDerivedSetUp) {
  LabelledDialog dialog(job.get(), Text::OtherSettings);
  dialog.show();
  EXPECT_EQ(dialog.label->text(), "set up");  // not yet: the texts are posted
  QApplication::processEvents();
  // A plain label shows one "&"; a button gets "&&", which it draws as "&".
  EXPECT_EQ(dialog.label->text(), "Color Space & Formula Settings");
  EXPECT_EQ(dialog.button->text(), "Color Space && Formula Settings");
  EXPECT_EQ(dialog.windowTitle(), "Other Settings");
}

TEST_F(MultiLangDialogTest, TitleComesFromTheCaptionLookup) {
  struct Case {
    Text caption;
    std::uint8_t language;
    const char* title;
  } cases[] = {
      {Text::None, English, "Corvana Color Management Control System"},
      {Text::None, ChineseSimplified, "Corvana 色彩管理控制软件"},
      {Text::Leaning, English, "Corvana Color Management Control System"},  // no English text
      {Text::ColorSpaceFormulaSettings, English, "Color Space & Formula Settings"},
      {Text::ColorSpaceFormulaSettings, ChineseTraditional, "色空間&色差公式設置"},
  };
  for (const Case& c : cases) {
    LanguageIndex = c.language;
    LabelledDialog dialog(job.get(), c.caption);
    openDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title)) << int(c.caption);
  }
}

using TabbedDialogTest = DialogTest;

TEST_F(TabbedDialogTest, ApplyIsEnabledOnceOpenAndDisabledAfterApply) {
  NamingDialog dialog(job.get(), RecordList::Samples, NamingMode::NameOption);
  openDialog(dialog);
  EXPECT_TRUE(dialog.applyButton()->isEnabled());
  QTest::mouseClick(dialog.applyButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.applyButton()->isEnabled());
  child<QLineEdit>(dialog, "material")->setText("cotton");
  EXPECT_TRUE(dialog.applyButton()->isEnabled());
  EXPECT_EQ(dialog.okButton()->text(), "OK");
  EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
  EXPECT_EQ(dialog.applyButton()->text(), "Apply");
}

TEST_F(TabbedDialogTest, RemembersTheLastTabPerKind) {
  EXPECT_EQ(TabbedDialog::rememberedTab("naming"), -1);
  {
    NamingDialog measuring(job.get(), RecordList::Samples, NamingMode::Measurement);
    openDialog(measuring);
    EXPECT_EQ(measuring.tabs()->currentIndex(), 0);
    measuring.tabs()->setCurrentIndex(1);
    measuring.reject();
  }
  EXPECT_EQ(TabbedDialog::rememberedTab("naming"), 1);
  EXPECT_EQ(TabbedDialog::rememberedTab("tolerance"), -1);
  {
    // The other mode shares the index; it has no second tab, so the first.
    NamingDialog option(job.get(), RecordList::Standards, NamingMode::NameOption);
    openDialog(option);
    EXPECT_EQ(option.tabs()->currentIndex(), 0);
    option.accept();
  }
  EXPECT_EQ(TabbedDialog::rememberedTab("naming"), 0);
  {
    NamingDialog measuring(job.get(), RecordList::Samples, NamingMode::Measurement);
    openDialog(measuring);
    measuring.tabs()->setCurrentIndex(1);
    measuring.accept();
  }
  NamingDialog again(job.get(), RecordList::Standards, NamingMode::Measurement);
  openDialog(again);
  EXPECT_EQ(again.tabs()->currentIndex(), 1);
}

TEST_F(TabbedDialogTest, EscapeCancelsAndEnterIsOk) {
  job->SampleMaterial = "old";
  {
    NamingDialog dialog(job.get(), RecordList::Samples, NamingMode::NameOption);
    openDialog(dialog);
    auto* material = child<QLineEdit>(dialog, "material");
    material->setText("typed");
    QTest::keyClick(material, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(job->SampleMaterial, "old");
  }
  NamingDialog dialog(job.get(), RecordList::Samples, NamingMode::NameOption);
  openDialog(dialog);
  auto* material = child<QLineEdit>(dialog, "material");
  material->setText("typed");
  QTest::keyClick(material, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(job->SampleMaterial, "typed");
}

// Shows the dialog as the active window, so keys go to its focus widget.
void openActive(QDialog& dialog) {
  openDialog(dialog);
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// The fields from the one that has the focus, by Tab, up to the first
// widget outside the current page: object names, blank-separated.
std::string tabStops(TabbedDialog& dialog, QWidget*& afterFields) {
  QStringList stops;
  QWidget* page = dialog.tabs()->currentWidget();
  afterFields = QApplication::focusWidget();
  while (afterFields && page->isAncestorOf(afterFields) && stops.size() < 30) {
    stops << afterFields->objectName();
    QTest::keyClick(afterFields, Qt::Key_Tab);
    afterFields = QApplication::focusWidget();
  }
  return stops.join(' ').toStdString();
}

TEST_F(TabbedDialogTest, TabRunsThroughTheFieldsThenOkCancelApply) {
  struct Case {
    const char* dialog;
    std::function<std::unique_ptr<TabbedDialog>(Job*)> make;
    const char* fields;
  } cases[] = {
      {"tolerance", [](Job* j) { return std::make_unique<ToleranceDialog>(j); },
       "illuminant upper1 lower1 upper2 lower2 upper3 lower3 upper4 judgeMethod quotiety"},
      {"colour space and formula",
       [](Job* j) {
         j->setColorFormula(Cie94);
         return std::make_unique<ColorSpaceFormulaDialog>(j);
       },
       "colorSpace colorFormula kl kc kh"},
      {"naming",
       [](Job* j) {
         return std::make_unique<NamingDialog>(j, RecordList::Samples, NamingMode::Measurement);
       },
       "manualFirstSegment manualSecondSegment manualMaterial"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    std::unique_ptr<TabbedDialog> dialog = c.make(job.get());
    openActive(*dialog);
    QWidget* afterFields = nullptr;
    EXPECT_EQ(tabStops(*dialog, afterFields), c.fields);
    ASSERT_EQ(afterFields, dialog->okButton());
    QTest::keyClick(afterFields, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->cancelButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog->applyButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(QString(c.fields).endsWith(QApplication::focusWidget()->objectName()));
    dialog->reject();
  }
}

TEST_F(TabbedDialogTest, EveryPageReachesTheButtonsAfterItsFields) {
  NamingDialog dialog(job.get(), RecordList::Samples, NamingMode::Measurement);
  openActive(dialog);
  dialog.tabs()->setCurrentIndex(1);
  child<QWidget>(dialog, "firstSegment")->setFocus();
  QWidget* afterFields = nullptr;
  EXPECT_EQ(tabStops(dialog, afterFields), "firstSegment secondSegment material autoNaming");
  EXPECT_EQ(afterFields, dialog.okButton());
}

// Every dialog of the job window, in every language, is wide enough for its
// title: the window manager elides a title that does not fit.
class DialogTitleTest : public LanguageDialogTest {};

TEST_P(DialogTitleTest, TitleFitsTheDialog) {
  using Make = std::function<std::unique_ptr<QDialog>(Job*)>;
  const std::pair<const char*, Make> dialogs[] = {
      {"tolerance", [](Job* j) { return std::make_unique<ToleranceDialog>(j); }},
      {"colour space and formula",
       [](Job* j) { return std::make_unique<ColorSpaceFormulaDialog>(j); }},
      {"observer and illuminants",
       [](Job* j) { return std::make_unique<ObserverIlluminantDialog>(j, std::nullopt); }},
      {"name option",
       [](Job* j) {
         return std::make_unique<NamingDialog>(j, RecordList::Standards, NamingMode::NameOption);
       }},
      {"naming a measurement",
       [](Job* j) {
         return std::make_unique<NamingDialog>(j, RecordList::Samples, NamingMode::Measurement);
       }},
      {"rename",
       [](Job* j) {
         return std::make_unique<InputDialog>(j, Text::None, Text::PleaseInputNewJobName, "Job1",
                                              false);
       }},
      {"import prefix",
       [](Job* j) {
         return std::make_unique<InputDialog>(j, Text::ImportFromStandard, Text::PleaseInputPrefix,
                                              "", true);
       }},
      {"other settings",
       [](Job* j) { return std::make_unique<OtherSettingsDialog>(j, false, nullptr); }},
      {"report settings",
       [](Job* j) { return std::make_unique<ReportSettingsDialog>(j, nullptr); }},
      {"hand entry", [](Job* j) { return std::make_unique<UploadStandardDialog>(j); }},
  };
  QFont titleFont = QApplication::font("QTitleBar");
  titleFont.setBold(true);
  const QFontMetrics metrics(titleFont);
  for (const auto& [name, make] : dialogs) {
    SCOPED_TRACE(name);
    std::unique_ptr<QDialog> dialog = make(job.get());
    openDialog(*dialog);
    const QString title = dialog->windowTitle();
    ASSERT_FALSE(title.isEmpty());
    // The text and at least a close, a maximise and a minimise button.
    const int buttons = 3 * dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_GE(dialog->width(), metrics.horizontalAdvance(title) + buttons) << title.toStdString();
    EXPECT_GE(dialog->minimumWidth(), metrics.horizontalAdvance(title) + buttons);
    // Fitting the title keeps the layout's own minimum.
    EXPECT_GE(dialog->minimumWidth(), dialog->minimumSizeHint().width());
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogTitleTest,
                         ::testing::Values(English, ChineseSimplified, ChineseTraditional),
                         languageName);

class InputDialogTest : public LanguageDialogTest {};

TEST_P(InputDialogTest, RenameJobRefusesEmptyInput) {
  InputDialog dialog(job.get(), Text::None, Text::PleaseInputNewJobName, "Job1", false);
  openDialog(dialog);
  EXPECT_EQ(dialog.windowTitle(), ui::productTitle());
  EXPECT_EQ(child<QLabel>(dialog, "prompt")->text(), ui::text(Text::PleaseInputNewJobName));
  EXPECT_EQ(dialog.edit()->selectedText(), "Job1");
  dialog.edit()->clear();
  QTest::mouseClick(child<QPushButton>(dialog, "ok"), Qt::LeftButton);
  ASSERT_EQ(messages.messages.size(), 1u);
  const ui::Message& refused = messages.messages[0];
  EXPECT_EQ(refused.text, ui::text(Text::EmptyInput));
  EXPECT_EQ(refused.caption, ui::productTitle());
  EXPECT_EQ(refused.icon, ui::MessageIcon::None);
  EXPECT_TRUE(dialog.isVisible());

  dialog.edit()->setText("Batch 7");
  QTest::keyClick(dialog.edit(), Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.text(), "Batch 7");
}

TEST_P(InputDialogTest, RenameRecordAcceptsEmptyInput) {
  InputDialog dialog(job.get(), Text::None, Text::PleaseInputName, "Sample001", true);
  openDialog(dialog);
  dialog.edit()->clear();
  dialog.accept();
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Languages, InputDialogTest, ::testing::Values(English, ChineseSimplified),
                         languageName);

TEST_F(DialogTest, EmptyInputMessageReadsInChinese) {
  LanguageIndex = ChineseSimplified;
  InputDialog dialog(job.get(), Text::None, Text::PleaseInputNewJobName, "", false);
  openDialog(dialog);
  dialog.accept();
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, QString::fromUtf8("输入为空!"));
  EXPECT_EQ(messages.messages[0].caption, QString::fromUtf8("Corvana 色彩管理控制软件"));
}

TEST_F(DialogTest, ModalInputDialogReturnsTheText) {
  InputDialog dialog(job.get(), Text::ImportFromSample, Text::PleaseInputPrefix, "", true);
  whenModal([](QWidget* w) {
    if (auto* d = qobject_cast<InputDialog*>(w)) {
      d->edit()->setText("Lot-");
      d->accept();
    } else if (w) {
      w->close();
    }
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.text(), "Lot-");
  EXPECT_EQ(dialog.windowTitle(), "Import From Sample");
}

}  // namespace
}  // namespace corvana::testing
