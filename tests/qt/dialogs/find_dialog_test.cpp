// Finding standards and samples in a real job window: the dialog's fields by
// mode, the number check with the focus on the field, the hits, sorting, the
// current-record marker and the selection handed back to the list.
#include "qt/dialogs/find_dialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "core/command_table.h"
#include "dialog_test_support.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/views/record_list_view.h"
#include "tests/core/job_fixtures.h"

namespace corvana::testing {
namespace {

MeasurementRecord lab(const std::string& name, float L, float a, float b) {
  return labSample(name, L, a, b, D65, Observer10);
}

class FindDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    frame = std::make_unique<CMainFrame>();
    window = frame->newJob();
    Job& j = window->job();
    j.DataAccuracy = 2;
    for (auto [name, L] : {std::pair{"STD-001", 50.0f}, {"reference", 51.0f}, {"Std2", 60.0f}})
      j.addStandard(lab(name, L, 10, -10), false);
    j.selectStandard(0);
    j.addSample(lab("batch", 50, 10, -9), true);
    j.setModified(false);
    frame->resize(1280, 800);
    frame->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    dialog.reset();
    for (CChildFrame* c : frame->children()) c->job().setModified(false);
    frame.reset();
    DialogTest::TearDown();
  }
  Job& job() { return window->job(); }
  StandardView* standards() { return window->standardView(); }
  void openOn(RecordListView* target) {
    dialog = std::make_unique<FindDialog>(&job(), target, window);
    openDialog(*dialog);
  }
  QString cell(int row, int column) const {
    return dialog->resultList()->model()->index(row, column).data().toString();
  }
  std::vector<QString> names() const {
    std::vector<QString> out;
    for (int r = 0; r < dialog->resultList()->model()->rowCount(); ++r) out.push_back(cell(r, 1));
    return out;
  }
  void clickHeading(int column) {
    QHeaderView* header = dialog->resultList()->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
  }
  void doubleClickRow(int row) {
    QTableView* list = dialog->resultList();
    const QRect r = list->visualRect(list->model()->index(row, 1));
    // The first click of a double click is a press and release of its own.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
  }
  void selectResultRows(const std::vector<int>& rows) {
    QTableView* list = dialog->resultList();
    list->clearSelection();
    for (int r : rows)
      list->selectionModel()->select(list->model()->index(r, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }

  std::unique_ptr<CMainFrame> frame;
  CChildFrame* window = nullptr;
  std::unique_ptr<FindDialog> dialog;
};

TEST_F(FindDialogTest, OpensByNameWithTheListsHeadings) {
  openOn(standards());
  EXPECT_EQ(dialog->windowTitle(), "Finding Standard");
  EXPECT_EQ(dialog->mode(), FindMode::ByName);
  EXPECT_EQ(dialog->modeList()->itemText(0), "By Name");
  EXPECT_EQ(dialog->modeList()->itemText(1), "By Value");
  EXPECT_TRUE(dialog->modeList()->isEnabled());
  EXPECT_TRUE(dialog->keywordField()->isVisible());
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(dialog->valueField(i)->isVisible());
  EXPECT_EQ(dialog->findButton()->text(), "Find");
  EXPECT_EQ(dialog->okButton()->text(), "OK");
  EXPECT_EQ(dialog->cancelButton()->text(), "Cancel");
  QAbstractItemModel* m = dialog->resultList()->model();
  ASSERT_EQ(m->columnCount(), 7);
  const char* headings[] = {"Standard", "Name", "L*", "a*", "b*", "C*", "h°"};
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), headings[c]);
    EXPECT_EQ(dialog->resultList()->columnWidth(c), standards()->columnWidth(c)) << c;
  }
  EXPECT_EQ(m->rowCount(), 0);
  EXPECT_EQ(dialog->focusWidget(), dialog->keywordField());
}

TEST_F(FindDialogTest, ByValueShowsTheValueFieldsAndTheDifferenceColumn) {
  const struct {
    ColorSpace space;
    ColorFormula formula;
    const char* labels[4];
    int columns;
  } cases[] = {
      {CieLab, Cie2000, {"L*", "a*", "b*", "ΔE00"}, 8},
      {CieRgb, Cmc, {"R", "G", "B", "ΔE*cmc"}, 6},
      {CieXyz, Cie94, {"X", "Y", "Z", "ΔE*94"}, 8},
      {Yellowness, ColorFastness, {"L*", "a*", "b*", "ΔE*"}, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.space);
    job().colorSpace = c.space;
    job().setColorFormula(c.formula);
    window->everythingChanged();
    openOn(standards());
    dialog->modeList()->setCurrentIndex(1);
    EXPECT_EQ(dialog->mode(), FindMode::ByValue);
    EXPECT_FALSE(dialog->keywordField()->isVisible());
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(dialog->valueField(i)->isVisible());
      EXPECT_EQ(dialog->valueLabel(i)->text(), c.labels[i]);
    }
    QAbstractItemModel* m = dialog->resultList()->model();
    ASSERT_EQ(m->columnCount(), c.columns);
    EXPECT_EQ(m->headerData(c.columns - 1, Qt::Horizontal).toString(), c.labels[3]);
  }
}

TEST_F(FindDialogTest, CieLuvFindsByNameOnly) {
  job().colorSpace = CieLuv;
  window->everythingChanged();
  openOn(standards());
  EXPECT_FALSE(dialog->modeList()->isEnabled());
  EXPECT_EQ(dialog->mode(), FindMode::ByName);
}

TEST_F(FindDialogTest, EnterInTheKeywordFindsAndChangingTheModeEmptiesTheList) {
  openOn(standards());
  QTest::keyClicks(dialog->keywordField(), "std");
  QTest::keyClick(dialog->keywordField(), Qt::Key_Return);
  EXPECT_TRUE(dialog->isVisible());  // Enter ran Find, not OK
  EXPECT_EQ(names(), (std::vector<QString>{"STD-001", "Std2"}));
  EXPECT_EQ(cell(0, 0), "*  1");
  EXPECT_EQ(cell(0, 2), "50.00");
  EXPECT_EQ(cell(1, 0), "3");
  dialog->keywordField()->clear();
  dialog->findButton()->click();
  EXPECT_EQ(names().size(), 3u);
  dialog->modeList()->setCurrentIndex(1);
  EXPECT_EQ(dialog->resultList()->model()->rowCount(), 0);
}

TEST_F(FindDialogTest, ANumberFieldThatIsNotANumberGetsTheFocusAndTheMessage) {
  openOn(standards());
  dialog->setMode(FindMode::ByValue);
  const struct {
    std::array<const char*, 4> texts;
    int bad;  // -1: accepted
  } cases[] = {
      {{"+50", "-3.5", "0", "1.0"}, -1}, {{"1.2.3", "0", "0", "1"}, 0},
      {{"50", "5e2", "0", "1"}, 1},      {{"50", "10", "", "1"}, 2},
      {{"50", "10", "-10", ""}, 3},      {{"50", "10", "-10", "0"}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bad);
    for (int i = 0; i < 4; ++i) dialog->valueField(i)->setText(c.texts[std::size_t(i)]);
    messages.messages.clear();
    dialog->okButton()->setFocus();
    QTest::keyClick(dialog->valueField(3), Qt::Key_Enter);  // Enter in a value field: Find
    EXPECT_TRUE(dialog->isVisible());
    if (c.bad < 0) {
      EXPECT_TRUE(messages.messages.empty());
      continue;
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, QString::fromUtf8("非法输入"));
    EXPECT_EQ(messages.messages[0].text, QString::fromUtf8("请输入数字！"));
    EXPECT_EQ(messages.messages[0].icon, ui::MessageIcon::Stop);
    EXPECT_EQ(dialog->focusWidget(), dialog->valueField(c.bad));
    EXPECT_EQ(dialog->valueField(c.bad)->selectedText(), dialog->valueField(c.bad)->text());
    EXPECT_EQ(dialog->resultList()->model()->rowCount(), 0);
  }
}

TEST_F(FindDialogTest, ByValueListsTheHitsWithTheDifferenceInTheJobsDecimals) {
  openOn(standards());
  dialog->setMode(FindMode::ByValue);
  const char* texts[] = {"50", "10", "-10", "1"};
  for (int i = 0; i < 4; ++i) dialog->valueField(i)->setText(texts[i]);
  dialog->findButton()->click();
  EXPECT_EQ(names(), (std::vector<QString>{"STD-001", "reference"}));
  EXPECT_EQ(cell(0, 7), "0.00");
  EXPECT_EQ(cell(1, 7), "1.00");
  // Numbers to the right as in the job window's list, the name to the left.
  QAbstractItemModel* m = dialog->resultList()->model();
  EXPECT_EQ(m->index(0, 7).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
  EXPECT_EQ(m->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
  EXPECT_EQ(m->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft,
            Qt::AlignLeft);
  dialog->valueField(3)->setText("0");
  dialog->findButton()->click();
  EXPECT_EQ(names(), std::vector<QString>{"STD-001"});
}

TEST_F(FindDialogTest, HeadingClicksSortBothWaysWithTheArrow) {
  openOn(standards());
  dialog->findButton()->click();  // every row
  QHeaderView* header = dialog->resultList()->horizontalHeader();
  clickHeading(2);
  EXPECT_EQ(names(), (std::vector<QString>{"STD-001", "reference", "Std2"}));
  EXPECT_TRUE(header->isSortIndicatorShown());
  EXPECT_EQ(header->sortIndicatorSection(), 2);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
  clickHeading(2);
  EXPECT_EQ(names(), (std::vector<QString>{"Std2", "reference", "STD-001"}));
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
  clickHeading(1);
  EXPECT_EQ(names(), (std::vector<QString>{"STD-001", "Std2", "reference"}));
  EXPECT_EQ(header->sortIndicatorSection(), 1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
  clickHeading(0);
  clickHeading(0);
  EXPECT_EQ(names(), (std::vector<QString>{"Std2", "reference", "STD-001"}));
  EXPECT_EQ(cell(2, 0), "*  1");  // the marker stays with its hit
}

TEST_F(FindDialogTest, DoubleClickMovesTheMarkerAndMakesTheRecordCurrent) {
  openOn(standards());
  dialog->findButton()->click();
  doubleClickRow(2);
  EXPECT_EQ(cell(0, 0), "1");
  EXPECT_EQ(cell(2, 0), "*  3");
  EXPECT_EQ(job().currentStandard, 2);
  EXPECT_TRUE(job().modified());
  // The job window follows: its list marks the new current standard.
  EXPECT_EQ(standards()->model().index(2, 0).data().toString(), "*  3");
  // The marked hit again: nothing changes.
  job().setModified(false);
  doubleClickRow(2);
  EXPECT_EQ(cell(2, 0), "*  3");
  EXPECT_EQ(job().currentStandard, 2);
  EXPECT_FALSE(job().modified());
}

TEST_F(FindDialogTest, OkSelectsTheChosenHitsInTheJobWindowsList) {
  standards()->selectRecords({1});
  openOn(standards());
  dialog->findButton()->click();
  selectResultRows({0, 2});
  dialog->okButton()->click();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(standards()->selectedRecords(), (std::vector<int>{0, 2}));
  // Sorted list: the rows are found by record, not by position.
  standards()->model().clickHeading(1);
  openOn(standards());
  QTest::keyClicks(dialog->keywordField(), "ref");
  dialog->findButton()->click();
  selectResultRows({0});
  dialog->okButton()->click();
  EXPECT_EQ(standards()->selectedRecords(), std::vector<int>{1});
  // No hit chosen: the list's selection is cleared.
  openOn(standards());
  dialog->findButton()->click();
  dialog->okButton()->click();
  EXPECT_TRUE(standards()->selectedRecords().empty());
}

TEST_F(FindDialogTest, CancelLeavesTheListAlone) {
  standards()->selectRecords({1});
  openOn(standards());
  dialog->findButton()->click();
  selectResultRows({0});
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(standards()->selectedRecords(), std::vector<int>{1});
}

TEST_F(FindDialogTest, TabWalksTheFieldsInOrder) {
  openOn(standards());
  dialog->setMode(FindMode::ByValue);
  std::vector<QWidget*> expected = {
      dialog->valueField(0), dialog->valueField(1), dialog->valueField(2), dialog->valueField(3),
      dialog->findButton(),  dialog->resultList(),  dialog->okButton(),    dialog->cancelButton()};
  QWidget* w = dialog->modeList();
  for (QWidget* next : expected) {
    w = w->nextInFocusChain();
    while (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    EXPECT_EQ(w, next) << next->objectName().toStdString();
  }
}

TEST_F(FindDialogTest, TheMenuCommandsFindInTheirListAndGiveItTheFocus) {
  const struct {
    int command;
    const char* title;
    RecordListView* (*view)(CChildFrame*);
  } cases[] = {
      {CmdFindStandard, "Finding Standard",
       [](CChildFrame* w) -> RecordListView* { return w->standardView(); }},
      {CmdFindSample, "Finding Sample",
       [](CChildFrame* w) -> RecordListView* { return w->sampleView(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ASSERT_TRUE(frame->commandEnabled(c.command));
    bool shown = false;
    whenModal([&](QWidget* w) {
      auto* d = qobject_cast<FindDialog*>(w);
      ASSERT_NE(d, nullptr);
      shown = true;
      EXPECT_EQ(d->windowTitle(), c.title);
      d->findButton()->click();
      d->resultList()->selectAll();
      d->okButton()->click();
    });
    frame->runCommand(c.command);
    EXPECT_TRUE(shown);
    RecordListView* view = c.view(window);
    EXPECT_EQ(int(view->selectedRecords().size()), view->model().rowCount());
    EXPECT_EQ(view->window()->focusWidget(), view);
  }
}

class FindDialogLanguage : public LanguageDialogTest {};

TEST_P(FindDialogLanguage, TextsInTheLanguage) {
  const char* const titles[][2] = {
      {"Finding Standard", "Finding Sample"}, {"查找标样", "查找试样"}, {"查找標樣", "查找試樣"}};
  const char* const modes[][2] = {
      {"By Name", "By Value"}, {"按名称", "按数值"}, {"按名稱", "按數值"}};
  CMainFrame frame;
  CChildFrame* window = frame.newJob();
  for (int list = 0; list < 2; ++list) {
    RecordListView* target = list == 0 ? static_cast<RecordListView*>(window->standardView())
                                       : static_cast<RecordListView*>(window->sampleView());
    FindDialog d(&window->job(), target);
    openDialog(d);
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8(titles[GetParam()][list]));
    EXPECT_EQ(d.modeList()->itemText(0), QString::fromUtf8(modes[GetParam()][0]));
    EXPECT_EQ(d.modeList()->itemText(1), QString::fromUtf8(modes[GetParam()][1]));
    EXPECT_EQ(d.findButton()->text(), ui::text(Text::Find));
    EXPECT_EQ(d.okButton()->text(), ui::text(Text::Ok));
    EXPECT_EQ(d.keywordField()->placeholderText(), ui::text(Text::KeyWord));
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, FindDialogLanguage,
                         ::testing::Values(std::uint8_t(English), std::uint8_t(ChineseSimplified),
                                           std::uint8_t(ChineseTraditional)),
                         languageName);

}  // namespace
}  // namespace corvana::testing
