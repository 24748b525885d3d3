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
    : DialogPage(job, parent), drafts_(job.toleranceB) {
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

  for (int entry = 0; entry < kEntriesPerSlot; ++entry) {
    upper_[entry]->setRange(limitRange(job.colorSpace, entry, false));
    if (entry < 3) lower_[entry]->setRange(limitRange(job.colorSpace, entry, true));
  }
  showSelectedSlot();
  connect(illuminant_, &QComboBox::currentIndexChanged, this,
          &RectangularTolerancePage::showSelectedSlot);
}

int RectangularTolerancePage::selectedSlot() const {
  return illuminant_->currentIndex() < 0 ? -1 : illuminant_->currentData().toInt();
}

std::vector<int> RectangularTolerancePage::availableSlots() const {
  std::vector<int> slotList;
  for (int i = 0; i < illuminant_->count(); ++i)
    slotList.push_back(illuminant_->itemData(i).toInt());
  return slotList;
}

LimitSpinEdit* RectangularTolerancePage::fieldEdit(LimitField field) const {
  return field.lower ? lower_[std::size_t(field.entry)] : upper_[std::size_t(field.entry)];
}

void RectangularTolerancePage::keepShownTexts() {
  if (shownSlot_ < 0) return;
  for (const LimitField field : limitFields())
    drafts_.setText(shownSlot_, field, ui::str(fieldEdit(field)->text()));
}

void RectangularTolerancePage::showSelectedSlot() {
  keepShownTexts();
  shownSlot_ = selectedSlot();
  const int slot = std::max(shownSlot_, 0);
  const Job& j = job();
  for (int entry = 0; entry < kEntriesPerSlot; ++entry) {
    const ToleranceSet& limits = j.toleranceB[std::size_t(toleranceIndex(slot, entry))];
    groups_[entry]->setTitle(ui::text(Text(limits.componentLabel)));
    groups_[entry]->setEnabled(shownSlot_ >= 0);
  }
  for (const LimitField field : limitFields())
    fieldEdit(field)->setText(ui::qstr(drafts_.text(slot, field)));
}

bool RectangularTolerancePage::validate() {
  if (!quotietyInRange(float(fieldNumber(quotiety_))))
    return refuse(quotiety_, {ui::productTitle(), ui::text(Text::ToleranceQuotietyOverrange),
                              ui::MessageIcon::Stop});
  keepShownTexts();
  const Job& j = job();
  const auto refused =
      drafts_.firstRefused(j.colorSpace, drafts_.slotsToStore(shownSlot_, availableSlots()));
  if (!refused) return true;
  // A refusal on another illuminant shows that illuminant's limits.
  illuminant_->setCurrentIndex(illuminant_->findData(refused->slot));
  const LimitField field = refused->field;
  const int label =
      j.toleranceB[std::size_t(toleranceIndex(refused->slot, field.entry))].componentLabel;
  const LimitRange range = limitRange(j.colorSpace, field.entry, field.lower);
  return refuse(fieldEdit(field),
                {ui::caption(Text::ToleranceSettings),
                 ui::qstr(limitRangeMessage(label, field.lower, range)), ui::MessageIcon::Stop});
}

void RectangularTolerancePage::apply() {
  Job& j = job();
  keepShownTexts();
  drafts_.store(j.toleranceB, drafts_.slotsToStore(shownSlot_, availableSlots()));
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
