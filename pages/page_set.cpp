// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_set.h"

#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/data_page.h"
#include "pages/device_info_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "pages/turbo_page.h"
#include "widgets/kit/owner_draw_button.h"
#include "window/button_art.h"

namespace vuriru {

CPageSet::CPageSet(const Parts& parts, QWidget* parent, int left, int top)
    : m_firmware(new CFirmware(parts.host, parts.softwareVersion, parts.connectVersion, parts.updateFirmware, parent)),
      m_general(new CGeneral(parts.settings, parent)),
      m_throttle(new CThrottle(parts.settings, parts.curves, parts.host, parent)),
      m_brake(new CBrake(parts.settings, parts.curves, parts.host, parent)),
      m_boost(new CBoost(parts.settings, parts.curves, parts.host, parent)),
      m_turbo(new CTurbo(parts.settings, parent)),
      m_data(new CData(parts.settings, parent)) {
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) {
    Page(page)->move(left, top);
    Page(page)->hide();
  }
}

QWidget* CPageSet::Page(uint8_t page) const {
  switch (page) {
    case page::kDeviceInfo:
      return m_firmware;
    case page::kGeneral:
      return m_general;
    case page::kThrottle:
      return m_throttle;
    case page::kBrake:
      return m_brake;
    case page::kBoost:
      return m_boost;
    case page::kTurbo:
      return m_turbo;
    case page::kData:
      return m_data;
    default:
      return nullptr;
  }
}

void CPageSet::SetShown(uint8_t page, bool shown) {
  if (QWidget* widget = Page(page)) widget->setVisible(shown);
}

std::array<CSettingsPage*, 5> CPageSet::SettingsPages() const {
  return {m_general, m_throttle, m_brake, m_boost, m_turbo};
}

std::array<CCurveLine*, 3> CPageSet::Editors() const {
  return {m_boost->Editor(), m_brake->Editor(), m_throttle->Editor()};
}

void CPageSet::PrepareSwitch(uint8_t page) {
  switch (page) {
    case page::kDeviceInfo:
      m_firmware->ClearHelp();
      break;
    case page::kThrottle:
      m_throttle->ClearHelp();
      m_throttle->HideAll();
      break;
    case page::kData:
      m_data->ClearHelp();
      break;
    default:
      if (QWidget* widget = Page(page)) {
        auto* settings = static_cast<CSettingsPage*>(widget);
        settings->ClearHelp();
        settings->CloseAllLists();
      }
      break;
  }
}

void CPageSet::FinishSwitch(uint8_t page) {
  switch (page) {
    case page::kBrake:
      m_brake->PrepareForSwitch();
      break;
    case page::kThrottle:
      m_throttle->PrepareForSwitch();
      break;
    case page::kDeviceInfo:
      m_firmware->RefreshDeviceInfo();
      m_firmware->ApplyTargetLook();
      m_firmware->update();
      break;
    default:
      break;
  }
}

void CPageSet::CollectSelections() {
  for (CSettingsPage* settings : SettingsPages()) settings->CollectSelections();
}

void CPageSet::ApplyFactoryIndexes() {
  for (CSettingsPage* settings : SettingsPages()) settings->ApplyFactoryIndexes();
}

void CPageSet::RefreshFromIndexes() {
  for (CSettingsPage* settings : SettingsPages()) settings->RefreshFromIndexes();
}

bool CPageSet::CloseOpenList() {
  for (CSettingsPage* settings : SettingsPages()) {
    if (settings->OpenListRow() != CSettingsPage::kNoOpenList) {
      settings->CloseAllLists();
      return true;
    }
  }
  return false;
}

void CPageSet::HideEditors() {
  for (CCurveLine* editor : Editors()) editor->hide();
}

void CPageSet::ResetEditors() {
  for (CCurveLine* editor : Editors()) editor->ResetCurve();
}

void CPageSet::RedrawCurve(CurveNumber number) {
  switch (number) {
    case CurveNumber::Boost:
      m_boost->Editor()->MapPoints();
      break;
    case CurveNumber::Brake:
      m_brake->Editor()->MapPoints();
      break;
    case CurveNumber::Throttle:
      m_throttle->Editor()->MapPoints();
      break;
  }
}

bool CPageSet::CancelOpenEditor() {
  for (CCurveLine* editor : Editors()) {
    if (editor->Model().CloseFlag() == CurveModel::kShown) {
      editor->Button(button_id::kCancel)->click();
      return true;
    }
  }
  return false;
}

}  // namespace vuriru
