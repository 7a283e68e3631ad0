// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/brake_page.h"

#include <QLabel>

#include "settings/settings_pages.h"
#include "widgets/kit/language.h"

namespace vuriru {

CBrake::CBrake(SettingsBlock& block, CurveSet& curves, ButtonHost& host, QWidget* parent)
    : CCurvePage(BrakePageTable(), block, curves.brake, host, parent),
      m_editor(new CBrakeLine(curves.brake, host, this)) {
  AttachEditor(m_editor);
  // Unlike the other pages, the labels show the factory options from the
  // start, before any read or refresh.
  HideAll();
  for (size_t row = 0; row < RowCount(); ++row) ValueLabel(row)->setText(SettingText(ValueText(row)));
  ShowLabels();
}

void CBrake::PrepareForSwitch() {
  CloseAllLists();
  if (m_curve.CloseFlag() == CurveModel::kShown) HideAll();
  CloseAllLists();
}

}  // namespace vuriru
