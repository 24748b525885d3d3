#include "qt/dialogs/tolerance_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "colour/judgement.h"
#include "colour/spectral.h"
#include "core/condition_texts.h"
#include "core/job.h"
#include "core/number_text.h"
#include "core/tolerance_limits.h"
#include "qt/dialogs/limit_spin_edit.h"
#include "qt/message_box.h"
#include "qt/ui_text.h"

namespace corvana {

namespace {
constexpr int kJudgeMethods = 3;

double fieldNumber(const LimitSpinEdit* edit) { return parseNumber(ui::str(edit->text())); }
}  // namespace

RectangularTolerancePage::RectangularTolerancePage(Job& job, QWidget* parent)
    : DialogPage(job, parent) {
  setObjectName("rectangularTolerancePage");
  auto* illuminantLabel = new QLabel(this);
  illuminant_ = new QComboBox(this);
  illuminant_->setObjectName("illuminant");
  illuminantLabel->setBuddy(illuminant_);
  addLabel(illuminantLabel, Text::Illuminant);

  auto* frame = new QGroupBox(this);
  frame->setObjectName("toleranceFrame");
  addLabel(frame, Text::Tolerance);
  auto* grid = new QGridLayout(frame);
  for (int entry = 0; entry < kEntriesPerSlot; ++entry) {
    auto* group = new QGroupBox(frame);
    group->setObjectName(QString("group%1").arg(entry + 1));
    auto* rows = new QFormLayout(group);
    auto* upperLabel = new QLabel(group);
    upper_[entry] = new LimitSpinEdit(group);
    upper_[entry]->setObjectName(QString("upper%1").arg(entry + 1));
    upperLabel->setBuddy(upper_[entry]);
    addLabel(upperLabel, Text::Upper);
    rows->addRow(upperLabel, upper_[entry]);
    if (entry < 3) {
      auto* lowerLabel = new QLabel(group);
      lower_[entry] = new LimitSpinEdit(group);
      lower_[entry]->setObjectName(QString("lower%1").arg(entry + 1));
      lowerLabel->setBuddy(lower_[entry]);
      addLabel(lowerLabel, Text::Lower);
      rows->addRow(lowerLabel, lower_[entry]);
    }
    grid->addWidget(group, entry / 2, entry % 2);
    groups_[entry] = group;
  }

  auto* methodLabel = new QLabel(this);
  judgeMethod_ = new QComboBox(this);
  judgeMethod_->setObjectName("judgeMethod");
  for (std::uint32_t method = 0; method < kJudgeMethods; ++method)
    judgeMethod_->addItem(ui::qstr(judgeMethodText(method)));
  judgeMethod_->setCurrentIndex(job.judgeMethod < kJudgeMethods ? int(job.judgeMethod) : 0);
  methodLabel->setBuddy(judgeMethod_);
  addLabel(methodLabel, Text::JudgeMethod);

  for (int slot = 0; slot < kIlluminantSlots; ++slot) {
    const std::string_view name = illuminantName(job.illuminants[slot]);
    if (name.empty()) continue;
    illuminant_->addItem(
        QString("%1 -- %2").arg(ui::qstr(slotWord(slot)), ui::qstr(std::string(name))), slot);
  }
  illuminant_->setCurrentIndex(illuminant_->count() > 0 ? 0 : -1);

  auto* quotietyLabel = new QLabel(this);
  quotiety_ = new LimitSpinEdit(this);
  quotiety_->setObjectName("quotiety");
  quotiety_->setRange(kQuotietyRange);
  quotiety_->setValue(job.toleranceQuotiety);
  quotietyLabel->setBuddy(quotiety_);
  addLabel(quotietyLabel, Text::ToleranceQuotiety);

  auto* top = new QFormLayout;
  top->addRow(illuminantLabel, illuminant_);
  auto* bottom = new QFormLayout;
  bottom->addRow(methodLabel, judgeMethod_);
  bottom->addRow(quotietyLabel, quotiety_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(frame);
  layout->addLayout(bottom);
  layout->addStretch(1);
  // Tab order follows the reading order: the illuminant, the groups row by
  // row with each group's fields, then the method and the quotiety.
  QWidget* previous = illuminant_;
  for (int entry = 0; entry < kEntriesPerSlot; ++entry) {
    setTabOrder(previous, upper_[entry]);
    previous = upper_[entry];
    if (entry < 3) {
      setTabOrder(previous, lower_[entry]);
      previous = lower_[entry];
    }
  }
  setTabOrder(previous, judgeMethod_);
  setTabOrder(judgeMethod_, quotiety_);

  fillGroups();
  connect(illuminant_, &QComboBox::currentIndexChanged, this,
          &RectangularTolerancePage::fillGroups);
}

int RectangularTolerancePage::selectedSlot() const {
  return illuminant_->currentIndex() < 0 ? -1 : illuminant_->currentData().toInt();
}

void RectangularTolerancePage::fillGroups() {
  const int slot = selectedSlot();
  const Job& j = job();
  for (int entry = 0; entry < kEntriesPerSlot; ++entry) {
    const ToleranceSet& limits =
        j.toleranceB[std::size_t(toleranceIndex(std::max(slot, 0), entry))];
    groups_[entry]->setTitle(ui::text(Text(limits.componentLabel)));
    upper_[entry]->setRange(limitRange(j.colorSpace, entry, false));
    upper_[entry]->setValue(limits.upper);
    if (entry < 3) {
      lower_[entry]->setRange(limitRange(j.colorSpace, entry, true));
      lower_[entry]->setValue(limits.lower);
    }
    groups_[entry]->setEnabled(slot >= 0);
  }
}

bool RectangularTolerancePage::validate() {
  if (!quotietyInRange(float(fieldNumber(quotiety_)))) {
    ui::showMessage(this, {ui::productTitle(), ui::text(Text::ToleranceQuotietyOverrange),
                           ui::MessageIcon::Stop});
    quotiety_->setFocus();
    quotiety_->selectAll();
    return false;
  }
  if (selectedSlot() < 0) return true;
  const Job& j = job();
  for (int entry = 0; entry < kEntriesPerSlot; ++entry) {
    const int label =
        j.toleranceB[std::size_t(toleranceIndex(selectedSlot(), entry))].componentLabel;
    for (const bool lower : {true, false}) {
      LimitSpinEdit* edit = lower ? (entry < 3 ? lower_[entry] : nullptr) : upper_[entry];
      if (!edit) continue;
      const LimitRange range = limitRange(j.colorSpace, entry, lower);
      if (limitInRange(fieldNumber(edit), range)) continue;
      ui::showMessage(this,
                      {ui::caption(Text::ToleranceSettings),
                       ui::qstr(limitRangeMessage(label, lower, range)), ui::MessageIcon::Stop});
      edit->setFocus();
      edit->selectAll();
      return false;
    }
  }
  return true;
}

void RectangularTolerancePage::apply() {
  Job& j = job();
  if (const int slot = selectedSlot(); slot >= 0) {
    for (int entry = 0; entry < kEntriesPerSlot; ++entry) {
      ToleranceSet& limits = j.toleranceB[std::size_t(toleranceIndex(slot, entry))];
      limits.upper = float(fieldNumber(upper_[entry]));
      if (entry < 3) limits.lower = float(fieldNumber(lower_[entry]));
    }
  }
  if (const auto method = judgeMethodFromText(ui::str(judgeMethod_->currentText())))
    j.judgeMethod = *method;
  const float quotiety = float(fieldNumber(quotiety_));
  if (quotietyChanged(j.toleranceQuotiety, quotiety)) j.toleranceQuotiety = quotiety;
  // The grades follow the new limits.
  if (j.window) j.window->everythingChanged();
  j.setModified(true);
}

ToleranceDialog::ToleranceDialog(Job* job, QWidget* parent)
    : TabbedDialog(job, Text::ToleranceSettings, QStringLiteral("tolerance"), parent) {
  if (job) addPage(new RectangularTolerancePage(*job, this), Text::RectangularTolerance);
}

}  // namespace corvana
