// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven pages of the main window as one set: created together as the
// window's children, switched by number (1 device information .. 7 Data), and
// asked together for what the window does on all of them (collect, factory
// values, refresh, the curve editors, Escape).

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "curves/curve_set.h"
#include "settings/settings_block.h"
#include "window/button_host.h"

class QWidget;

namespace vuriru {

class CBoost;
class CBrake;
class CCurveLine;
class CData;
class CFirmware;
class CGeneral;
class CSettingsPage;
class CThrottle;
class CTurbo;

class CPageSet {
 public:
  struct Parts {
    SettingsBlock& settings;
    CurveSet& curves;
    ButtonHost& host;
    // The engine's version texts, which the device information page shows.
    const std::string& softwareVersion;
    const std::string& connectVersion;
    // The device page's "UpData".
    std::function<void()> updateFirmware;
  };

  // Creates the pages hidden, as children of `parent`, at `topLeft`.
  CPageSet(const Parts& parts, QWidget* parent, int left, int top);

  // The page with this number (1..7), or nullptr.
  QWidget* Page(uint8_t page) const;
  void SetShown(uint8_t page, bool shown);

  // Before a switch to `page`: its help cleared, its lists closed (or, on
  // the Throttle page, everything hidden). After it: the curve pages'
  // labels, the device page's fields and picture.
  void PrepareSwitch(uint8_t page);
  void FinishSwitch(uint8_t page);

  // On all five settings pages, General to Turbo.
  void CollectSelections();
  void ApplyFactoryIndexes();
  void RefreshFromIndexes();
  // Closes an open option list; false when none was open.
  bool CloseOpenList();

  // The curve editors, boost, brake and throttle.
  void HideEditors();
  void ResetEditors();
  void RedrawCurve(CurveNumber number);
  // Presses CANCEL in the editor that is shown; false when none is.
  bool CancelOpenEditor();

  CFirmware* DeviceInfo() const { return m_firmware; }
  CGeneral* General() const { return m_general; }
  CThrottle* Throttle() const { return m_throttle; }
  CBrake* Brake() const { return m_brake; }
  CBoost* Boost() const { return m_boost; }
  CTurbo* Turbo() const { return m_turbo; }
  CData* Data() const { return m_data; }

 private:
  std::array<CSettingsPage*, 5> SettingsPages() const;
  std::array<CCurveLine*, 3> Editors() const;

  CFirmware* m_firmware;
  CGeneral* m_general;
  CThrottle* m_throttle;
  CBrake* m_brake;
  CBoost* m_boost;
  CTurbo* m_turbo;
  CData* m_data;
};

}  // namespace vuriru
