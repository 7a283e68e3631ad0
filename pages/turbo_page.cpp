// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/turbo_page.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "settings/settings_pages.h"

namespace vuriru {
namespace {

// ACTIVATION METHOD options: "Full TH(*)", "RPM", "Full TH+RPM".
constexpr int32_t kFullThrottleOnly = 0;
constexpr int32_t kRpmOnly = 1;
constexpr int kValueBoxMaxLength = 30;

}  // namespace

CTurbo::CTurbo(SettingsBlock& block, QWidget* parent) : CSettingsPage(TurboPageTable(), block, parent), m_block(block) {
  for (size_t row = 0; row < RowCount(); ++row) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("value%1").arg(Table().rows[row].labelId));
    box->setReadOnly(true);
    box->setMaxLength(kValueBoxMaxLength);
    box->hide();
    m_valueBoxes.push_back(box);
    // Connected after the page's own handler, so this runs once the choice
    // has been collected and shown.
    connect(OptionList(row), &QListWidget::currentRowChanged, this, [this] { ApplyEnableRules(); });
  }
  // TURBO K and TURBO T show (empty) until the first collect or refresh.
  for (size_t row = 0; row < RowCount(); ++row) {
    if (IsPageOnly(row)) ValueLabel(row)->show();
  }
  ApplyEnableRules();
}

bool CTurbo::IsPageOnly(size_t row) const {
  Setting setting = Table().rows.at(row).setting;
  return setting == Setting::TurboK || setting == Setting::TurboT;
}

bool CTurbo::IsBlocked(size_t row) const {
  if (row >= RowCount()) return true;
  const int32_t timing = m_block.Current(Setting::TurboTiming);
  const int32_t activation = m_block.Current(Setting::ActivationMethod);
  switch (Table().rows[row].setting) {
    case Setting::TurboTiming:
      return false;
    case Setting::TurboStartRpm:
      return timing == 0 || activation == kFullThrottleOnly;
    case Setting::TurboDelay:
      return timing == 0 || activation == kRpmOnly;
    default:
      return timing == 0;
  }
}

void CTurbo::ApplyEnableRules() {
  for (size_t row = 0; row < RowCount(); ++row) {
    m_valueBoxes[row]->setText(QString::fromStdString(ValueText(row)));
    m_valueBoxes[row]->setEnabled(!IsBlocked(row));
  }
}

void CTurbo::HidePageOnlyLabels() {
  for (size_t row = 0; row < RowCount(); ++row) {
    if (IsPageOnly(row)) ValueLabel(row)->hide();
  }
}

void CTurbo::CollectSelections() {
  CSettingsPage::CollectSelections();
  ApplyEnableRules();
  HidePageOnlyLabels();
}

void CTurbo::ApplyFactoryIndexes() {
  CSettingsPage::ApplyFactoryIndexes();
  ApplyEnableRules();
  HidePageOnlyLabels();
}

void CTurbo::RefreshFromIndexes() {
  CSettingsPage::RefreshFromIndexes();
  ApplyEnableRules();
  HidePageOnlyLabels();
}

void CTurbo::OpenPageOnlyList(size_t row) {
  for (size_t i = 0; i < RowCount(); ++i) {
    if (i != row) OptionList(i)->hide();
  }
  if (IsBlocked(row)) return;
  SetHelpText(Table().rows[row].helpText);
  QListWidget* list = OptionList(row);
  list->show();
  list->raise();
  list->scrollToItem(list->currentItem());
}

bool CTurbo::eventFilter(QObject* watched, QEvent* event) {
  // The shared page never opens the lists of settings it keeps hidden; TURBO K
  // and TURBO T open theirs while their labels are still on the page.
  if (event->type() == QEvent::MouseButtonPress) {
    for (size_t row = 0; row < RowCount(); ++row) {
      if (IsPageOnly(row) && watched == ValueLabel(row)) {
        OpenPageOnlyList(row);
        return true;
      }
    }
  }
  return CSettingsPage::eventFilter(watched, event);
}

}  // namespace vuriru
