#pragma once
// Everything the transaction engine asks of the windows around it: the
// progress dialog, the pages, the V1 panel and the main window. The main
// window implements it with widgets, the command-line tool with a console
// progress bar, tests by recording the calls. The engine changes the shared
// flags itself (SharedState); the host only shows what they mean.
//
// A curve reply's effects on the pages (redraw a refused curve, refresh every
// page from the current indexes, reformat the running log, beep, update the
// main window) come through the inherited CurveReplyObserver.

#include <cstdint>
#include <string>

#include "curves/curve_reply.h"

namespace vuriru {

enum class MessageIcon { kNone, kExclamation };

class EngineHost : public CurveReplyObserver {
 public:
  virtual ~EngineHost() = default;

  // Progress dialog. ShowProgress sets the bar to pos × 100 / range percent,
  // shows the dialog and repaints it; SetProgressText sets its caption, e.g.
  // "Data Transferring.. 37% done.".
  virtual void ShowProgress(uint32_t pos, uint32_t range) = 0;
  virtual void SetProgressText(const std::string& text) = 0;
  virtual void HideProgress() = 0;

  // Main window. ShowPage is the page switch (page::kNoneShown resets the page
  // area). ReloadBackground loads the picture that fits the present state.
  virtual void ShowPage(uint8_t page) = 0;
  virtual void ReloadBackground() = 0;
  virtual void ShowStatusIndicators(bool show) = 0;
  virtual void RedrawIndicators() = 0;
  virtual void RedrawWindow() = 0;
  // Redraws the Apply (8) or Default (9) button after its transaction ended.
  virtual void RedrawPressedButton(int32_t command) = 0;
  virtual void ShowCommandButtons() = 0;
  virtual void FocusPageButton(uint8_t page) = 0;
  // The label beside the controller indicator ("ESC" once one answers).
  virtual void SetEscLabel(const std::string& text) = 0;

  // Version texts: the adapter's on the device information page (which also
  // enables its hardware field and redraws), the controller's software version
  // on the General page.
  virtual void SetHardwareVersionText(const std::string& text) = 0;
  virtual void SetSoftwareVersionText(const std::string& text) = 0;

  // V1 panel. ShowV1ReadValues moves the V1 settings block into the lists,
  // shows "Read Ok" and beeps. TakeV1PanelValues copies the lists into the V1
  // settings block before a send. ShowV1SendDone shows "Send Ok", finishes the
  // progress dialog and beeps (the engine has already cleared
  // g_transferPending). HideCnV1Panel hides the thirteen-setting layout.
  virtual void ShowV1Panel() = 0;
  virtual void ShowV1ReadValues() = 0;
  virtual void TakeV1PanelValues() = 0;
  virtual void ShowV1SendDone() = 0;
  virtual void HideCnV1Panel() = 0;

  // A modal message box with an OK button; returns when it is dismissed.
  virtual void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

}  // namespace vuriru
