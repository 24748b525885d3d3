// The opacity dialog on a real job window: choosing, clearing and measuring
// the two bases (against the real colorport-sim), the opacity line, the
// value pairs of the colour space, and the word-processor report.
#include "qt/dialogs/opacity_measure_dialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/command_table.h"
#include "core/job.h"
#include "core/job_manager.h"
#include "core/language_table.h"
#include "instrument/connection.h"
#include "qt/child_frame.h"
#include "qt/dialogs/naming_dialog.h"
#include "qt/instrument_worker.h"
#include "qt/main_frame.h"
#include "qt/open_document.h"
#include "qt/views/color_static.h"
#include "qt/views/record_list_view.h"
#include "qt/views/reflectance_plot_control.h"
#include "reports/word/docx_package.h"
#include "tests/core/job_fixtures.h"
#include "tests/instrument/sim_connection.h"
#include "tests/qt/ui_test_support.h"

namespace corvana {
namespace {

using testing::curveSample;
using testing::labSample;
constexpr OpacityBase kWhite = OpacityBase::White;
constexpr OpacityBase kBlack = OpacityBase::Black;

class OpacityDialogTest : public testing::SimConnection {
 protected:
  void SetUp() override {
    LanguageIndex = English;
    savedMode_ = jobManager().currentMeasurementMode;
    ASSERT_TRUE(dir_.isValid());
    setenv("CORVANA_SETTINGS", (dir_.path() + "/Settings.xml").toUtf8().constData(), 1);
    setenv("COLORPORT_PORT", (dir_.path() + "/no-such-port").toUtf8().constData(), 1);
    frame = std::make_unique<CMainFrame>();
    child = frame->newJob();
    // Four samples, not in name order; "Plain" has stored values only.
    job().DataAccuracy = 3;
    job().addSample(curveSample("Tango", 0), false);
    job().addSample(curveSample("alpha", 20), false);
    job().addSample(labSample("Plain", 50, 10, -10, D65, Observer10), false);
    job().addSample(curveSample("Zulu", -30), false);
    job().setModified(false);
  }
  void TearDown() override {
    dialog.reset();
    for (CChildFrame* c : frame->children()) c->job().setModified(false);
    frame.reset();
    SimConnection::TearDown();
    unsetenv("CORVANA_SETTINGS");
    jobManager().currentMeasurementMode = savedMode_;
    LanguageIndex = English;
  }

  Job& job() { return child->job(); }
  OpacityMeasureDlg& open() {
    dialog = std::make_unique<OpacityMeasureDlg>(job(), *frame, child);
    dialog->show();
    QApplication::processEvents();
    return *dialog;
  }
  // Chooses the entry of the sample at `position` as a click in the list does.
  void choose(OpacityBase base, int position) {
    QComboBox* list = dialog->sampleList(base);
    const int row = list->findData(position);
    ASSERT_GE(row, 0) << position;
    list->setCurrentIndex(row);
  }
  QString value(OpacityBase base, int k) const { return dialog->valueField(base, k)->text(); }
  std::uint32_t buttonFace() const {
    const QColor c = dialog->palette().color(QPalette::Button);
    return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16;
  }

  std::unique_ptr<CMainFrame> frame;
  CChildFrame* child = nullptr;
  std::unique_ptr<OpacityMeasureDlg> dialog;
  testing::MessageRecorder messages;
  QTemporaryDir dir_;

 private:
  std::uint32_t savedMode_ = 1;
};

TEST_F(OpacityDialogTest, TheCommandOpensTheDialogWithBothSidesEmptyAndTheListsSorted) {
  ASSERT_TRUE(frame->action(CmdOpacity));
  EXPECT_TRUE(frame->action(CmdOpacity)->isEnabled());
  bool seen = false;
  testing::whenModal([&](QWidget* w) {
    auto* d = qobject_cast<OpacityMeasureDlg*>(w);
    ASSERT_NE(d, nullptr);
    seen = true;
    EXPECT_EQ(d->windowTitle(), "Opacity Measurment");
    for (OpacityBase base : {kWhite, kBlack}) {
      QComboBox* list = d->sampleList(base);
      EXPECT_EQ(list->currentIndex(), -1);
      ASSERT_EQ(list->count(), 4);
      // Sorted by text, whatever the case; each entry carries its position.
      const std::vector<std::pair<QString, int>> expected = {
          {"alpha", 1}, {"Plain", 2}, {"Tango", 0}, {"Zulu", 3}};
      for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(list->itemText(row), expected[std::size_t(row)].first);
        EXPECT_EQ(list->itemData(row).toInt(), expected[std::size_t(row)].second);
      }
      EXPECT_EQ(d->plot()->plot().curve(std::size_t(base)), nullptr);
    }
    EXPECT_EQ(d->opacityLine()->text(), "Opacity:");
    d->exitButton()->click();
  });
  frame->runCommand(CmdOpacity);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(OpacityDialogTest, TabGoesThroughTheWhiteSideThenTheBlackSideThenTheButtons) {
  open();
  dialog->activateWindow();
  QApplication::setActiveWindow(dialog.get());
  dialog->sampleList(kWhite)->setFocus();
  QApplication::processEvents();
  const auto focused = [&]() -> QWidget* {
    QWidget* w = QApplication::focusWidget();
    // The list's edit field stands for the list.
    if (w && qobject_cast<QComboBox*>(w->parentWidget())) w = w->parentWidget();
    return w;
  };
  const std::vector<QWidget*> expected = {dialog->measureButton(kWhite), dialog->sampleList(kBlack),
                                          dialog->measureButton(kBlack), dialog->printButton(),
                                          dialog->wordButton(),          dialog->exitButton(),
                                          dialog->sampleList(kWhite)};
  ASSERT_EQ(focused(), dialog->sampleList(kWhite));
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), next) << next->objectName().toStdString() << " expected, "
                               << (focused() ? focused()->objectName().toStdString() : "none");
  }
}

TEST_F(OpacityDialogTest, TheSameSampleOnBothSidesIsAHundredPercent) {
  open();
  choose(kWhite, 0);
  EXPECT_EQ(dialog->opacityLine()->text(), "Opacity:");  // one side is not an opacity
  choose(kBlack, 0);
  EXPECT_EQ(dialog->opacityLine()->text(), "Opacity: 100.0%");
  for (int k = 0; k < 5; ++k) {
    EXPECT_FALSE(value(kWhite, k).isEmpty()) << k;
    EXPECT_EQ(value(kWhite, k), value(kBlack, k)) << k;
  }
  EXPECT_NE(dialog->swatch(kWhite)->color(), buttonFace());
  ASSERT_NE(dialog->plot()->plot().curve(0), nullptr);
  ASSERT_NE(dialog->plot()->plot().curve(1), nullptr);
  EXPECT_EQ(dialog->plot()->plot().curve(1)->values, job().sample(0).reflectance);
  // A darker black base ("alpha" rises later): below a hundred.
  choose(kBlack, 1);
  ASSERT_TRUE(dialog->opacity());
  EXPECT_LT(*dialog->opacity(), 100.0);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_FALSE(job().modified());
}

TEST_F(OpacityDialogTest, ASampleWithoutACurveSaysSoAndLeavesTheOpacityOut) {
  open();
  choose(kWhite, 2);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "There is no reflectance datas, can't get the opacity!");
  EXPECT_EQ(dialog->opacityLine()->text(), "Opacity:");
  // Its stored values and its stored curve are still shown.
  EXPECT_EQ(value(kWhite, 0), "50.000");
  EXPECT_EQ(value(kWhite, 1), "10.000");
  EXPECT_EQ(value(kWhite, 2), "-10.000");
  EXPECT_NE(dialog->plot()->plot().curve(0), nullptr);
  // Any black base afterwards leaves it so.
  choose(kBlack, 0);
  EXPECT_EQ(dialog->opacityLine()->text(), "Opacity:");
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(OpacityDialogTest, ClearingASideEmptiesItAndTheOpacity) {
  open();
  choose(kWhite, 0);
  choose(kBlack, 3);
  ASSERT_NE(dialog->opacityLine()->text(), "Opacity:");
  // As the user empties the edit field of the list.
  QLineEdit* edit = dialog->sampleList(kBlack)->lineEdit();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(dialog->sampleList(kBlack)->currentIndex(), -1);
  EXPECT_EQ(dialog->side(kBlack).index, -1);
  for (int k = 0; k < 5; ++k) EXPECT_TRUE(value(kBlack, k).isEmpty()) << k;
  EXPECT_EQ(dialog->swatch(kBlack)->color(), buttonFace());
  EXPECT_EQ(dialog->plot()->plot().curve(1), nullptr);
  EXPECT_NE(dialog->plot()->plot().curve(0), nullptr);
  EXPECT_EQ(dialog->opacityLine()->text(), "Opacity:");
  // The white side is as it was.
  EXPECT_FALSE(value(kWhite, 0).isEmpty());
}

TEST_F(OpacityDialogTest, TypingTheStartOfANameAndEnterChoosesThatSample) {
  for (OpacityBase base : {kWhite, kBlack}) {
    SCOPED_TRACE(int(base));
    open();
    // Completing a typed start needs the list to have the focus, as it has
    // when one types into it.
    QApplication::setActiveWindow(dialog.get());
    dialog->sampleList(base)->setFocus();
    QApplication::processEvents();
    QLineEdit* edit = dialog->sampleList(base)->lineEdit();
    QTest::keyClicks(edit, "zu");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog->side(base).index, 3);
    EXPECT_FALSE(value(base, 0).isEmpty());
    EXPECT_TRUE(dialog->isVisible()) << "Enter in the list is not Exit";
    // Nor is it Measure, the first button a dialog would make its default.
    EXPECT_FALSE(frame->instrumentWorker().busy());
    frame->instrumentWorker().finish();
    EXPECT_EQ(job().sampleCount(), 4);
  }
}

TEST_F(OpacityDialogTest, TheColourSpaceDecidesHowManyValuePairsShow) {
  const struct {
    ColorSpace space;
    int pairs;
    const char* firstCaption;
  } cases[] = {{CieRgb, 3, "R"}, {HunterLab, 3, "L"}, {CieLab, 5, "L*"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.space);
    job().colorSpace = c.space;
    job().recomputeAll();
    open();
    for (OpacityBase base : {kWhite, kBlack})
      for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(dialog->valueCaption(base, k)->isVisible(), k < c.pairs) << k;
        EXPECT_EQ(dialog->valueField(base, k)->isVisible(), k < c.pairs) << k;
      }
    EXPECT_EQ(dialog->valueCaption(kWhite, 0)->text(), c.firstCaption);
    choose(kWhite, 0);
    EXPECT_FALSE(value(kWhite, c.pairs - 1).isEmpty());
    if (c.pairs < 5) {
      EXPECT_TRUE(value(kWhite, c.pairs).isEmpty());
    }
    dialog.reset();
  }
}

TEST_F(OpacityDialogTest, AMeasuredBlackBaseIsListedOnItsSideOnlyAndChosen) {
  connect();
  frame->runCommand(CmdAutoNamingSample);
  ASSERT_TRUE(job().autoNamingSamples);
  open();
  choose(kWhite, 0);
  dialog->measureButton(kBlack)->click();
  // In flight: the buttons wait, the lists stay usable, and Esc waits for
  // the result before the dialog goes.
  ASSERT_TRUE(frame->instrumentWorker().busy());
  for (QPushButton* b : {dialog->measureButton(kWhite), dialog->measureButton(kBlack),
                         dialog->printButton(), dialog->wordButton(), dialog->exitButton()})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_TRUE(dialog->sampleList(kWhite)->isEnabled());
  frame->instrumentWorker().finish();
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(job().sampleCount(), 5);
  EXPECT_EQ(job().currentSample, 4);
  EXPECT_TRUE(job().sample(4).UseReflect);
  EXPECT_TRUE(dialog->measureButton(kBlack)->isEnabled());

  QComboBox* black = dialog->sampleList(kBlack);
  ASSERT_EQ(black->count(), 5);
  const int row = black->findData(4);
  ASSERT_GE(row, 0);
  EXPECT_EQ(black->currentIndex(), row);
  EXPECT_EQ(black->itemText(row), QString::fromStdString(job().sample(4).nameUtf8()));
  for (int r = 1; r < black->count(); ++r)
    EXPECT_LE(QString::compare(black->itemText(r - 1), black->itemText(r), Qt::CaseInsensitive), 0);
  EXPECT_EQ(dialog->side(kBlack).index, 4);
  EXPECT_EQ(dialog->plot()->plot().curve(1)->values, job().sample(4).reflectance);
  EXPECT_TRUE(dialog->opacity());
  EXPECT_EQ(dialog->sampleList(kWhite)->count(), 4);
  EXPECT_EQ(dialog->sampleList(kWhite)->findData(4), -1);
  EXPECT_EQ(dialog->side(kWhite).index, 0);
  EXPECT_EQ(child->sampleView()->model().rowCount(), 5);

  // Esc with a measurement in flight: the record lands, then the dialog goes.
  dialog->measureButton(kWhite)->click();
  ASSERT_TRUE(frame->instrumentWorker().busy());
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(frame->instrumentWorker().busy());
  EXPECT_EQ(job().sampleCount(), 6);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(OpacityDialogTest, PrintToWordSavesADocumentWithThePictureAndHandsItToTheDesktop) {
  QTemporaryDir documents;
  ASSERT_TRUE(documents.isValid());
  setenv("XDG_DOCUMENTS_DIR", (documents.path() + "/Documents").toUtf8().constData(), 1);
  setenv("CORVANA_TEMPLATE_DIR", CORVANA_TEMPLATE_DIR, 1);
  std::vector<QString> opened;
  ui::setDocumentOpener([&](const QUrl& url) {
    opened.push_back(url.toLocalFile());
    return true;
  });
  open();
  choose(kWhite, 0);
  choose(kBlack, 1);
  dialog->wordButton()->click();
  ui::setDocumentOpener({});
  unsetenv("XDG_DOCUMENTS_DIR");
  unsetenv("CORVANA_TEMPLATE_DIR");
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(opened[0].startsWith(documents.path() + "/Documents/Opacity"))
      << opened[0].toStdString();
  EXPECT_TRUE(opened[0].endsWith(".docx"));
  std::string error;
  const std::optional<PackageParts> parts = readPackage(opened[0].toStdString(), error);
  ASSERT_TRUE(parts) << error;
  const PackagePart* picture = nullptr;
  for (const PackagePart& part : *parts)
    if (part.name.starts_with("word/media/")) picture = &part;
  ASSERT_NE(picture, nullptr) << "no picture part";
  QImage image;
  ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(picture->bytes.data()),
                                 qsizetype(picture->bytes.size()), "PNG"));
  EXPECT_EQ(image.size(), QSize(400, 300));
  // The legends' blue and green pens and the curves are on it, not a blank.
  int blue = 0, green = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      blue += qBlue(p) > 200 && qRed(p) < 80 && qGreen(p) < 80;
      green += qGreen(p) > 200 && qRed(p) < 80 && qBlue(p) < 80;
    }
  EXPECT_GT(blue, 20);
  EXPECT_GT(green, 5);
  // The document is the report of the two sides chosen: their opacity.
  const auto document = std::find_if(parts->begin(), parts->end(), [](const PackagePart& part) {
    return part.name == "word/document.xml";
  });
  ASSERT_NE(document, parts->end());
  const std::string opacity = dialog->report().opacityText;
  ASSERT_FALSE(opacity.empty());
  EXPECT_NE(document->bytes.find(">" + opacity + "<"), std::string::npos) << opacity;
}

// The page itself is the report's; here only that the button reaches it.
TEST_F(OpacityDialogTest, PrintPreviewsTheOpacityReport) {
  open();
  choose(kWhite, 0);
  choose(kBlack, 1);
  QString title;
  testing::whenModal([&](QWidget* w) {
    auto* preview = qobject_cast<QPrintPreviewDialog*>(w);
    ASSERT_NE(preview, nullptr);
    title = preview->windowTitle();
    preview->reject();
  });
  dialog->printButton()->click();
  EXPECT_EQ(title, "Opacity Testing Report");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(OpacityDialogTest, ACancelledNameNoInstrumentOrARefusalAddNothing) {
  const struct {
    const char* what;
    bool autoNaming;
    const char* status;  // a fault for the next answer of the instrument
    const char* message;
  } cases[] = {
      // Before the instrument is connected.
      {"no instrument", true, nullptr, "Instrument disconnected!"},
      {"naming cancelled", false, nullptr, nullptr},
      {"refused", true, "status 3", "Execute failed!\n(Execute request failed.)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string(c.what) == "naming cancelled") connect();
    job().autoNamingSamples = c.autoNaming;
    if (c.status) {
      ASSERT_TRUE(sim_->control(c.status));
    }
    messages.messages.clear();
    open();
    choose(kWhite, 0);
    bool named = false;
    if (!c.autoNaming)
      testing::whenModal([&](QWidget* w) {
        auto* naming = qobject_cast<NamingDialog*>(w);
        ASSERT_NE(naming, nullptr);
        named = true;
        naming->reject();
      });
    dialog->measureButton(kWhite)->click();
    frame->instrumentWorker().finish();
    EXPECT_EQ(named, !c.autoNaming);
    if (c.message) {
      ASSERT_EQ(messages.messages.size(), 1u);
      EXPECT_EQ(messages.messages[0].text, c.message);
    } else {
      EXPECT_TRUE(messages.messages.empty());
    }
    EXPECT_EQ(job().sampleCount(), 4);
    EXPECT_FALSE(job().modified());
    EXPECT_EQ(dialog->sampleList(kWhite)->count(), 4);
    EXPECT_EQ(dialog->side(kWhite).index, 0);
    EXPECT_TRUE(dialog->measureButton(kWhite)->isEnabled());
    dialog.reset();
  }
}

}  // namespace
}  // namespace corvana
