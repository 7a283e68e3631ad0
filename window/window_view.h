// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window controller asks of the window it runs: the drawing steps,
// one at a time, without a decision in them. The main window implements it
// with widgets; tests record the steps as lines. Page numbers are 1 (device
// information) to 7 (Data); control ids are those of window/button_art.h.

#include <cstdint>
#include <string>

#include "common/user_text.h"
#include "curves/stored_curve.h"

namespace vuriru {

enum class V1PanelKind { kV1, kThirteenSettings };

class WindowView {
 public:
  virtual ~WindowView() = default;

  // The button row, the two status indicators and the hidden buttons.
  virtual void SetButtonShown(int controlId, bool shown) = 0;
  virtual void SetButtonDimmed(int controlId, bool dimmed) = 0;
  virtual void RedrawButton(int controlId) = 0;
  virtual void FocusButton(int controlId) = 0;
  virtual void SetIndicatorsShown(bool shown) = 0;
  virtual void RedrawIndicators() = 0;

  // Pages, curve editors, V1 panels and the background picture. A picture
  // that cannot be loaded ends the window.
  virtual void SetPageShown(uint8_t page, bool shown) = 0;
  virtual void HideCurveEditors() = 0;
  virtual void SetV1PanelShown(V1PanelKind panel, bool shown) = 0;
  virtual void SetBackground(const std::string& file) = 0;
  virtual void Redraw() = 0;

  // What the pages do around a page switch: before it, the target page's
  // help is cleared and its lists closed (its first page-switch operation);
  // after it, a page's own follow-up (the curve pages' labels, the device
  // page's refresh).
  virtual void PreparePageSwitch(uint8_t page) = 0;
  virtual void FinishPageSwitch(uint8_t page) = 0;
  // The device information page: its fields for the attached target, and its
  // picture for the target (controller or RUZ Oviveru Ruv).
  virtual void RefreshDeviceInfo() = 0;
  virtual void ApplyDeviceLook() = 0;
  // The note buttons of every page are redrawn before a question.
  virtual void RedrawNoteButtons() = 0;

  // The five settings pages together, General to Turbo.
  virtual void CollectSelections() = 0;
  virtual void ApplyFactoryIndexes() = 0;
  virtual void RefreshPages() = 0;
  // The curve editors: RESET on all three (boost, brake, throttle), and a
  // redraw of one after its curve changed under it.
  virtual void ResetCurveEditors() = 0;
  virtual void RedrawCurve(CurveNumber number) = 0;
  virtual void FormatRunningLog() = 0;
  // Escape: closes an open option list, or presses CANCEL in an open curve
  // editor; false when there was none.
  virtual bool CloseOpenList() = 0;
  virtual bool CancelOpenCurveEditor() = 0;

  // Version texts: the adapter's on the device page (which enables its
  // field), the controller's on the General page.
  virtual void SetHardwareVersion(const std::string& text) = 0;
  virtual void SetSoftwareVersion(const std::string& text) = 0;

  // The V1 panel: the values read ("Read Ok"), a finished send ("Send Ok",
  // the progress finished), its status line during an update.
  virtual void ShowV1ReadValues() = 0;
  virtual void ShowV1SendDone() = 0;
  virtual void SetV1StatusText(const UserText& text) = 0;

  // The progress dialog: the bar at pos of range; the caption above it.
  virtual void ShowProgress(uint32_t pos, uint32_t range) = 0;
  virtual void SetProgressCaption(const UserText& text, uint32_t pos, uint32_t range) = 0;
  virtual void HideProgress() = 0;

  virtual void Beep() = 0;
  // The line at the foot of the window; empty hides it.
  virtual void ShowStatusLine(const std::string& text) = 0;
};

}  // namespace vuriru
