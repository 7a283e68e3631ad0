// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does for each event of the engine: the page, background,
// indicator and button steps, in the order the window takes them.

#include "window/button_art.h"
#include "window/window_controller.h"

namespace vuriru {

namespace {

int PageButtonOf(uint8_t page) {
  return page >= page::kDeviceInfo && page <= page::kData ? button_id::kDeviceInfo + page - 1 : 0;
}

}  // namespace

void WindowController::OnEngineEvent(const EngineEvent& event) {
  switch (event.kind) {
    case EngineEventKind::kConnected:
      m_view.SetHardwareVersion(event.text);
      m_view.RedrawIndicators();
      break;
    case EngineEventKind::kIdentified:
      OnIdentified(event);
      break;
    case EngineEventKind::kSettingsRead:
      OnSettingsRead(event);
      break;
    case EngineEventKind::kCurvesRead:
      OnCurvesRead(event);
      break;
    case EngineEventKind::kStoreDone:
      OnStoreDone(event);
      break;
    case EngineEventKind::kProgress:
      OnProgress(event);
      break;
    case EngineEventKind::kTransferEnded:
      OnTransferEnded(event);
      break;
    case EngineEventKind::kLinkChanged:
      OnLinkChanged(event);
      break;
    case EngineEventKind::kMessage:
      m_dialogs.Tell(event.userText, event.caption, event.icon);
      break;
  }
}

void WindowController::OnIdentified(const EngineEvent& event) {
  if (event.identity == Identity::kSoftwareVersion) {
    m_view.SetSoftwareVersion(event.text);
    return;
  }
  // The controller answers: its indicator lights; a V1 controller takes the
  // window at once, a full one once its read ends.
  m_view.RedrawIndicators();
  if (event.deviceType != device_type::kFull) {
    m_state.g_backgroundDirty = true;
    ShowPage(page::kNoneShown);
    m_view.Redraw();
  }
}

void WindowController::OnSettingsRead(const EngineEvent& event) {
  switch (event.read) {
    case SettingsReadStep::kFullReply:
      ShowStatusIndicators(false);
      break;
    case SettingsReadStep::kV1Reply:
      OnV1ReplyForHistory();
      ShowPage(page::kNoneShown);
      ReloadBackground();
      ShowStatusIndicators(false);
      m_view.Redraw();
      break;
    case SettingsReadStep::kV1ReadEnd:
      if (event.firstRead) {
        m_state.g_curveEditorOpen = 0;
        m_state.g_currentPage = 0;
        m_state.g_selectedPage = page::kNoneShown;
      }
      if (event.showValues) {
        SetRowShown(false);
        HidePagesAndEditors();
        m_view.SetV1PanelShown(V1PanelKind::kV1, true);
        m_view.ShowV1ReadValues();
      }
      if (event.firstRead) {
        ShowPage(page::kNoneShown);
        ShowStatusIndicators(false);
        ReloadBackground();
        m_view.Redraw();
        OnV1FirstReadForHistory();
      }
      break;
  }
}

void WindowController::OnCurvesRead(const EngineEvent& event) {
  // The curve replies: an editor whose reply was refused redraws the curve
  // it still has; after the last one every page shows the values read.
  for (CurveNumber number : {CurveNumber::Boost, CurveNumber::Brake, CurveNumber::Throttle}) {
    if (event.refusedCurves & (1u << static_cast<unsigned>(number))) m_view.RedrawCurve(number);
  }
  m_view.RefreshPages();
  m_view.FormatRunningLog();
  m_view.Beep();
  m_view.Redraw();

  EndCommand();
  m_state.g_backgroundDirty = true;
  m_state.g_curveEditorOpen = 0;
  m_state.g_currentPage = 0;
  ShowStatusIndicators(false);
  if (event.leftBoxMode) m_state.g_selectedPage = page::kNoneSelected;
  ShowPage(m_state.g_selectedPage);
  ShowStatusIndicators(true);
  ReloadBackground();
  if (m_state.g_deviceType == device_type::kFull && !m_state.g_lcdMode) {
    m_view.SetButtonShown(button_id::kApply, true);
    m_view.SetButtonShown(button_id::kDefault, true);
  }
  m_view.Redraw();
  OnFullReadForHistory();
}

void WindowController::OnStoreDone(const EngineEvent& event) {
  OnStoreDoneForHistory(event.transaction);
  if (event.transaction == Transaction::kV1Store) {
    m_view.ShowV1SendDone();
    return;
  }
  EndCommand();
  m_state.g_backgroundDirty = true;
  ShowStatusIndicators(false);
  if (const int button = PageButtonOf(m_state.g_currentPage); button != 0) m_view.FocusButton(button);
}

void WindowController::OnProgress(const EngineEvent& event) {
  switch (event.progress) {
    case ProgressStep::kCaption:
      m_view.SetProgressCaption(event.userText, event.pos, event.range);
      break;
    case ProgressStep::kIndicators:
      ShowStatusIndicators(true);
      [[fallthrough]];
    case ProgressStep::kShow:
      if (!event.text.empty()) m_view.SetProgressCaption(event.userText, event.pos, event.range);
      m_view.ShowProgress(event.pos, event.range);
      break;
    case ProgressStep::kHide:
      if (!event.text.empty()) m_view.SetProgressCaption(event.userText, event.pos, event.range);
      m_view.HideProgress();
      m_view.Redraw();
      break;
    case ProgressStep::kV1Text:
      m_view.SetV1StatusText(event.userText);
      break;
  }
}

void WindowController::OnTransferEnded(const EngineEvent& event) {
  switch (event.ending) {
    case TransferEnding::kNothingSent:
    case TransferEnding::kStalled:
    case TransferEnding::kLinkLost:
    case TransferEnding::kFirmwareFailed:
      EndCommand();
      break;
    case TransferEnding::kBoxUpdated:
      // Out of box mode: the button row without a page, as that state shows.
      m_state.g_pressedCommand = command::kNone;
      m_state.g_backgroundDirty = true;
      ShowStatusIndicators(false);
      m_state.g_currentPage = page::kNoneShown;
      m_state.g_selectedPage = page::kNoneSelected;
      ShowPage(page::kNoneShown);
      m_view.Redraw();
      break;
    case TransferEnding::kControllerUpdated:
      // Its settings may have changed with its firmware; the fresh read says.
      m_memory.Forget();
      m_state.g_pressedCommand = command::kNone;
      m_view.HideProgress();
      m_state.g_backgroundDirty = true;
      m_state.g_currentPage = 0;
      m_state.g_selectedPage = page::kDeviceInfo;
      break;
    case TransferEnding::kPagesReset:
      for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) m_view.SetPageShown(page, false);
      m_state.g_currentPage = page::kDeviceInfo;
      m_view.Redraw();
      break;
  }
}

void WindowController::OnLinkChanged(const EngineEvent& event) {
  switch (event.change) {
    case LinkChange::kAdapterArrived:
      m_view.RedrawIndicators();
      break;
    case LinkChange::kAdapterRemoved:
      m_memory.Forget();
      m_state.g_currentPage = page::kNoneShown;
      m_state.g_selectedPage = 0;
      m_state.g_backgroundDirty = true;
      ShowStartPage();
      m_view.RedrawIndicators();
      break;
    case LinkChange::kPortArrived:
      m_state.g_backgroundDirty = false;
      break;
    case LinkChange::kPortRemoved:
      m_memory.Forget();
      m_state.g_backgroundDirty = true;
      m_state.g_selectedPage = page::kNoneSelected;
      m_state.g_currentPage = page::kNoneShown;
      ShowStartPage();
      m_view.RedrawIndicators();
      break;
    case LinkChange::kControllerLost:
      m_memory.Forget();
      m_state.g_selectedPage = page::kNoneSelected;
      m_state.g_currentPage = page::kNoneShown;
      m_state.g_backgroundDirty = true;
      ShowPage(page::kNoneShown);
      ShowStatusIndicators(true);
      m_view.RedrawIndicators();
      m_view.Redraw();
      break;
    case LinkChange::kVersionFailed:
      // The read it was part of is over: its progress dialog must not stay.
      m_view.HideProgress();
      m_view.SetV1PanelShown(V1PanelKind::kThirteenSettings, false);
      ReloadBackground();
      ShowStatusIndicators(true);
      m_view.RedrawIndicators();
      break;
  }
}

}  // namespace vuriru
