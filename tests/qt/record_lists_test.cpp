// The standard and sample lists in a job window: colours, the filter's
// heading and notice, sort arrows, the Delete key, the layout kept in the
// settings file, and room for the columns at common window sizes.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include "core/command_table.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "core/list_layout_setting.h"
#include "qt/child_frame.h"
#include "qt/main_frame.h"
#include "qt/views/cell_tone_colour.h"
#include "qt/views/record_list_pane.h"
#include "qt/views/record_list_view.h"
#include "tests/core/job_fixtures.h"
#include "ui_test_support.h"

namespace corvana {
namespace {

using testing::curveSample;

class RecordListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    open();
  }
  void TearDown() override {
    close();
    LanguageIndex = English;
  }
  // A main window with one job window, its layout read from `settings` when given.
  void open(const QString& settings = QString(), QSize size = QSize(1280, 800)) {
    frame = std::make_unique<CMainFrame>();
    if (!settings.isEmpty()) {
      frame->listLayout = readListLayout(settings.toStdString());
      frame->storeListLayout = [settings](const ListLayout& layout) {
        writeListLayout(settings.toStdString(), layout);
      };
    }
    frame->resize(size);
    child = frame->newJob();
    frame->show();
    QApplication::processEvents();
  }
  void close() {
    if (!frame) return;
    for (CChildFrame* c : frame->children()) c->job().setModified(false);
    frame.reset();
    child = nullptr;
  }
  // Grades of every kind: Level 1, Level 2, NG, and "--" for a sample that
  // cannot be judged under the primary illuminant.
  void fillGrades() {
    Job& job = child->job();
    job.addStandard(curveSample("STD", 0, "M1"), false);
    job.addSample(curveSample("close", 0.2f, "M1"), false);
    job.addSample(curveSample("near", -1, "M2"), false);
    job.addSample(curveSample("far", 8, "M2"), false);
    job.addSample(testing::labSample("by hand", 50, 10, 10, A, 1), false);
  }
  QString heading(RecordListView* view, int c) const {
    return view->model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
  }
  QStringList headings(RecordListView* view) const {
    QStringList out;
    for (int c = 0; c < view->model().columnCount(); ++c) out << heading(view, c);
    return out;
  }
  QStringList names(RecordListView* view) const {
    QStringList out;
    for (int r = 0; r < view->model().rowCount(); ++r)
      out << view->model().index(r, 1).data().toString();
    return out;
  }
  void chooseMaterial(RecordListView* view, const QString& label) {
    view->openMaterialMenu(QPoint());
    for (QAction* a : view->materialMenu()->actions())
      if (a->text() == label) return a->trigger();
    ADD_FAILURE() << "no menu item " << label.toStdString();
  }
  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
};

TEST_F(RecordListsTest, GradesAreColouredForThePaletteAndTheCurrentRowIsBold) {
  fillGrades();
  child->job().selectSample(1);
  SampleView* view = child->sampleView();
  RecordListModel& model = view->model();
  const int grade = model.columnCount() - 2;
  struct Case {
    const char* grade;
    CellTone tone;
  } cases[] = {{"Level 1", CellTone::Good},
               {"Level 2", CellTone::Warning},
               {"NG", CellTone::Bad},
               {"--", CellTone::Plain}};
  const auto check = [&](bool dark) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.grade);
      int row = -1;
      for (int r = 0; r < model.rowCount(); ++r)
        if (model.index(r, grade).data().toString() == c.grade) row = r;
      ASSERT_GE(row, 0) << "the fixture has every grade";
      const QVariant colour = model.index(row, grade).data(Qt::ForegroundRole);
      if (c.tone == CellTone::Plain) {
        EXPECT_FALSE(colour.isValid());
        continue;
      }
      ASSERT_TRUE(colour.canConvert<QColor>());
      const QColor q = colour.value<QColor>();
      EXPECT_EQ(q, toneColour(c.tone, view->palette()));
      // The hue says the grade: green, amber, red.
      if (c.tone == CellTone::Good) {
        EXPECT_TRUE(q.green() > q.red() && q.green() > q.blue());
      }
      if (c.tone == CellTone::Warning) {
        EXPECT_TRUE(q.red() >= q.green() && q.green() > q.blue());
      }
      if (c.tone == CellTone::Bad) {
        EXPECT_TRUE(q.red() > 2 * q.green() && q.red() > 2 * q.blue());
      }
      // Readable on the list: dark text on a light base, light text on a dark one.
      EXPECT_EQ(q.lightness() > 128, dark) << q.name().toStdString();
      EXPECT_FALSE(model.index(row, 1).data(Qt::ForegroundRole).isValid());
    }
  };
  QPalette light = view->palette();
  light.setColor(QPalette::Base, Qt::white);
  view->setPalette(light);
  check(false);
  QPalette dark = view->palette();
  dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
  view->setPalette(dark);
  check(true);

  // Bold marks the current standard and the current sample, every cell of
  // their rows and no other row.
  for (RecordListView* list :
       {static_cast<RecordListView*>(child->standardView()), static_cast<RecordListView*>(view)}) {
    const int current = list == view ? child->job().currentSample : child->job().currentStandard;
    for (int r = 0; r < list->model().rowCount(); ++r)
      for (int c = 0; c < list->model().columnCount(); ++c) {
        const QVariant font = list->model().index(r, c).data(Qt::FontRole);
        const bool isCurrent = list->model().rows().recordAt(r) == current;
        EXPECT_EQ(font.isValid() && font.value<QFont>().bold(), isCurrent) << r << "," << c;
      }
  }
  // Making another sample current moves the bold.
  child->job().selectSample(3, true);
  const int row = model.rows().rowOf(3);
  EXPECT_TRUE(model.index(row, 1).data(Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(model.index(model.rows().rowOf(1), 1).data(Qt::FontRole).isValid());
}

TEST_F(RecordListsTest, AnActiveFilterIsShownAndAHiddenCurrentRecordSaid) {
  fillGrades();
  child->job().selectSample(0);  // "close", M1
  SampleView* view = child->sampleView();
  QLabel* notice = child->samplePane()->notice();
  const int material = view->model().columnCount() - 1;
  EXPECT_EQ(heading(view, material), "Material");
  EXPECT_TRUE(notice->isHidden());

  chooseMaterial(view, "M2");
  EXPECT_EQ(heading(view, material), "Material: M2");
  EXPECT_EQ(names(view), (QStringList{"near", "far"}));
  EXPECT_TRUE(notice->isVisible());
  EXPECT_EQ(notice->text(), "The current sample is hidden by the material filter.");
  // Making a shown record current takes the notice away; the standard list is unaffected.
  child->job().selectSample(2, true);
  EXPECT_TRUE(notice->isHidden());
  EXPECT_TRUE(child->standardPane()->notice()->isHidden());
  child->job().selectSample(0, true);
  EXPECT_TRUE(notice->isVisible());

  // In another language the heading, the notice and the menu follow.
  frame->runCommand(CmdChineseSimplified);
  EXPECT_EQ(heading(view, material), QString::fromUtf8("料号：M2"));
  EXPECT_EQ(notice->text(), QString::fromUtf8("当前试样已被料号筛选隐藏。"));
  view->openMaterialMenu(QPoint());
  QStringList items;
  for (QAction* a : view->materialMenu()->actions())
    if (!a->isSeparator()) items << a->text();
  EXPECT_EQ(items, (QStringList{"↑", "↓", QString::fromUtf8("全部"), QString::fromUtf8("（无）"),
                                "M1", "M2"}));
  frame->runCommand(CmdChineseTraditional);
  chooseMaterial(view, QString::fromUtf8("全部"));
  EXPECT_EQ(heading(view, material), QString::fromUtf8("料號"));
  EXPECT_EQ(view->model().rowCount(), 4);
  EXPECT_TRUE(notice->isHidden());

  // A filter on records without a material names them as the menu does.
  frame->runCommand(CmdEnglish);
  child->job().addSample(curveSample("bare", 1), false);
  chooseMaterial(view, "(None)");
  EXPECT_EQ(heading(view, material), "Material: (None)");
  EXPECT_EQ(names(view), (QStringList{"by hand", "bare"}));
  // The standard list says the same of its current standard.
  child->job().addStandard(curveSample("STD2", 1, "M9"), false);
  chooseMaterial(child->standardView(), "M9");
  EXPECT_EQ(child->standardPane()->notice()->text(),
            "The current standard is hidden by the material filter.");
}

TEST_F(RecordListsTest, SortArrowsGoWhenTheRowsReturnToRecordOrder) {
  fillGrades();
  SampleView* view = child->sampleView();
  const QStringList recordOrder = names(view);
  const auto hasArrow = [&] {
    const QString all = headings(view).join('|');
    return all.contains(QString::fromUtf8("↑")) || all.contains(QString::fromUtf8("↓"));
  };
  const auto sortByName = [&] {
    QHeaderView* header = view->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, 5));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, 5));
    ASSERT_EQ(heading(view, 1), QString::fromUtf8("Name ↓"));
    ASSERT_NE(names(view), recordOrder);
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    QString name;
  } steps[] = {
      {"a recompute", [&] { child->job().recomputeAll(); }, "Name"},
      {"another current standard",
       [&] {
         child->job().addStandard(curveSample("STD2", 1), false);
         child->job().selectStandard(1, true);
       },
       "Name"},
      {"a language change", [&] { frame->runCommand(CmdChineseSimplified); },
       QString::fromUtf8("名称")},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    sortByName();
    step.act();
    EXPECT_EQ(heading(view, 1), step.name);
    EXPECT_FALSE(hasArrow()) << headings(view).join('|').toStdString();
    EXPECT_EQ(names(view), recordOrder);
  }
}

TEST_F(RecordListsTest, TheDeleteKeyAsksAsTheDeleteCommandDoes) {
  fillGrades();
  child->job().addStandard(curveSample("STD2", 1), false);
  struct Case {
    const char* what;
    RecordList list;
    std::vector<int> selected;
    QMessageBox::StandardButton answer;
    const char* message;
    int left;
  } cases[] = {
      {"nothing selected", RecordList::Samples, {}, QMessageBox::Ok, "Please select sample!", 4},
      {"cancelled", RecordList::Samples, {1, 3}, QMessageBox::Cancel, "Are you sure to delete?", 4},
      {"confirmed", RecordList::Samples, {1, 3}, QMessageBox::Ok, "Are you sure to delete?", 2},
      {"a standard", RecordList::Standards, {1}, QMessageBox::Ok, "Are you sure to delete?", 1},
      {"no standard selected",
       RecordList::Standards,
       {},
       QMessageBox::Ok,
       "Please select standard!",
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordListView* view = c.list == RecordList::Samples
                               ? static_cast<RecordListView*>(child->sampleView())
                               : static_cast<RecordListView*>(child->standardView());
    testing::MessageRecorder messages;
    messages.answer = c.answer;
    view->setFocus();
    view->selectRecords(c.selected);
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, c.message);
    if (!c.selected.empty()) {
      EXPECT_EQ(messages.messages[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    }
    EXPECT_EQ(child->job().count(c.list), c.left);
    EXPECT_EQ(view->model().rowCount(), c.left);
  }
  EXPECT_EQ(names(child->sampleView()), (QStringList{"close", "far"}));
}

TEST_F(RecordListsTest, SplittersAndColumnWidthsAreKeptInTheSettingsFile) {
  close();
  QTemporaryDir dir;
  const QString settings = dir.filePath("Settings.xml");
  open(settings);
  fillGrades();
  QApplication::processEvents();
  SampleView* samples = child->sampleView();
  QSplitter* plot = child->splitterA();
  const int listsBefore = plot->sizes().value(1);
  // The user drags the plot splitter and the list splitter, and widens two columns.
  const auto drag = [](QSplitter* s, QPoint by) {
    QWidget* handle = s->handle(1);
    const QPoint centre = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, centre);
    // One move: the handle follows it, so a second one would count twice.
    QTest::mouseMove(handle, centre + by);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->rect().center());
  };
  drag(plot, QPoint(-60, 0));
  drag(child->splitterC(), QPoint(0, 40));
  const QList<int> plotSizes = plot->sizes(), listSizes = child->splitterC()->sizes();
  ASSERT_EQ(plotSizes.value(1), listsBefore + 60) << "the drag reached the splitter";
  samples->horizontalHeader()->resizeSection(1, 210);
  const int grade = samples->model().columnCount() - 2;
  samples->horizontalHeader()->resizeSection(grade, 123);
  // Nothing is written while the window is open; closing it writes.
  EXPECT_EQ(readListLayout(settings.toStdString()), ListLayout{});
  child->job().setModified(false);
  ASSERT_TRUE(child->parentWidget()->close());
  const ListLayout stored = readListLayout(settings.toStdString());
  EXPECT_EQ(stored.plotSplitter, (std::vector<int>{plotSizes[0], plotSizes[1]}));
  EXPECT_EQ(stored.listSplitter, (std::vector<int>{listSizes[0], listSizes[1]}));
  EXPECT_EQ(stored.sampleColumns, (std::map<std::string, int>{{"Name", 210}, {"Grade", 123}}));
  EXPECT_TRUE(stored.standardColumns.empty()) << "fitted widths are not stored";
  close();

  // The next start restores them; the other columns are fitted again.
  open(settings);
  fillGrades();
  QApplication::processEvents();
  samples = child->sampleView();
  EXPECT_EQ(samples->columnWidth(1), 210);
  EXPECT_EQ(samples->columnWidth(samples->model().columnCount() - 2), 123);
  EXPECT_EQ(child->splitterA()->sizes().value(1), plotSizes[1]);
  const QList<int> restored = child->splitterC()->sizes();
  EXPECT_NEAR(double(restored[0]) / (restored[0] + restored[1]),
              double(listSizes[0]) / (listSizes[0] + listSizes[1]), 0.02);
  // The program closing writes too.
  child->splitterA()->setSizes({500, 700});
  emit child->splitterA()->splitterMoved(500, 1);
  const int lists = child->splitterA()->sizes().value(1);
  child->job().setModified(false);
  frame->close();
  const std::vector<int> last = readListLayout(settings.toStdString()).plotSplitter;
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[1], lists);
}

TEST_F(RecordListsTest, NameDeltaEAndGradeAreInViewAtCommonWindowSizes) {
  for (QSize size : {QSize(1280, 800), QSize(1024, 700)}) {
    SCOPED_TRACE(size.width());
    close();
    open(QString(), size);
    Job& job = child->job();
    job.addStandard(curveSample("Cotton twill reference PANTONE 19-4052 Classic Blue", 0), false);
    job.addSample(curveSample("Cotton twill lot 2024-11-18 dye house line 3 roll 0041", 1, "M1"),
                  false);
    job.addSample(curveSample("棉斜纹布 第二批 广州染厂 三号线 复染样品 客户投诉后", -3), false);
    job.addSample(curveSample("Lot 42", 0.1f), false);
    QApplication::processEvents();
    ASSERT_EQ(frame->size(), size);
    SampleView* view = child->sampleView();
    const int deltaE = int(headings(view).indexOf(QString::fromUtf8("ΔE*")));
    const int grade = int(headings(view).indexOf("Judge Result"));
    ASSERT_GT(deltaE, 1);
    ASSERT_GT(grade, deltaE);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 0);
    for (int c : {1, deltaE, grade}) {
      const int left = view->columnViewportPosition(c);
      EXPECT_GE(left, 0) << c;
      EXPECT_LE(left + view->columnWidth(c), view->viewport()->width())
          << "column " << c << " of a " << view->viewport()->width() << " pixel list";
    }
    // The name keeps a readable width; the plot keeps its minimum.
    EXPECT_GE(view->columnWidth(1), 8 * view->fontMetrics().averageCharWidth());
    EXPECT_GE(child->findChild<QWidget*>("chromaView")->width(), CChildFrame::kPlotMinimumWidth);
    // The grade and ΔE texts are not cut.
    for (int r = 0; r < view->model().rowCount(); ++r)
      for (int c : {deltaE, grade}) {
        const QString text = view->model().index(r, c).data().toString();
        QFont font = view->font();
        font.setBold(view->model().rows().isCurrentRow(r));
        EXPECT_LT(QFontMetrics(font).horizontalAdvance(text), view->columnWidth(c))
            << text.toStdString();
      }
  }
}

}  // namespace
}  // namespace corvana
