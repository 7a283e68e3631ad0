// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Turbo page: turbo timing and when and how fast it comes in. Whether a
// setting can be changed depends on TURBO TIMING (no timing, nothing else
// matters) and on ACTIVATION METHOD (full throttle alone has no start rpm,
// rpm alone has no delay). TURBO K and TURBO T live on this page only: their
// labels are shown, empty, until the first collect or refresh hides them.

#include <vector>

#include "pages/settings_page.h"

class QLineEdit;

namespace vuriru {

class CTurbo : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CTurbo(SettingsBlock& block, QWidget* parent = nullptr);

  // These add the Turbo page's own steps to the shared ones: the value boxes
  // follow the enable rules and the TURBO K and TURBO T labels go away.
  void CollectSelections() override;
  void ApplyFactoryIndexes() override;
  void RefreshFromIndexes() override;

  // Whether a row's label opens its list (and is drawn black rather than grey).
  bool IsOpenable(size_t row) const { return !IsBlocked(row); }
  // The hidden read-only box that carries a row's value text.
  QLineEdit* ValueBox(size_t row) const { return m_valueBoxes.at(row); }

 protected:
  bool IsBlocked(size_t row) const override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyEnableRules();
  void HidePageOnlyLabels();
  void OpenPageOnlyList(size_t row);
  bool IsPageOnly(size_t row) const;

  SettingsBlock& m_block;
  std::vector<QLineEdit*> m_valueBoxes;
};

}  // namespace vuriru
