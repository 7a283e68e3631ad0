// SPDX-License-Identifier: GPL-3.0-or-later
// The user's commands: page buttons, Apply, Default, the Device menu, Escape
// and closing. None of them talks to the controller; they set the shared
// state and leave the work to the engine's next tick. A command that cannot
// act says why in the status line.

#include "common/user_text.h"
#include "window/button_art.h"
#include "window/quit_question.h"
#include "window/window_controller.h"
#include "window/write_review.h"

namespace vuriru {

namespace {

constexpr int kCancelled = 2;
// How long a refusal stays in the status line.
constexpr uint32_t kStatusShownMs = 6000;

}  // namespace

void WindowController::ShowStatus(const std::string& text) {
  m_statusText = text;
  m_view.ShowStatusLine(text);
  if (text.empty()) return;
  m_scheduler.RunAfter(kStatusShownMs, [alive = std::weak_ptr<bool>(m_alive), this, text] {
    if (alive.lock() && m_statusText == text) ShowStatus(std::string());
  });
}

bool WindowController::Refuse(WindowCommand command) {
  const std::string reason = RefusalReason(m_state, command);
  ShowStatus(reason);
  return !reason.empty();
}

void WindowController::OnPageButton(uint8_t page) {
  // In RUZ Oviveru Ruv mode the device page is the only one there is, and it
  // stays reachable although no controller is present.
  const bool lcdDevicePage = page == page::kDeviceInfo && m_state.g_lcdMode;
  const bool busy = IsBusy();
  if (busy && !lcdDevicePage) {
    Refuse(page == page::kDeviceInfo ? WindowCommand::kDevicePage : WindowCommand::kPage);
    return;
  }
  ShowStatus(std::string());
  if (!busy) {
    // What the button's drawing records on a press; repeated here so that a
    // click without a drawing in between (keyboard, tests) counts the same.
    m_state.g_selectedPage = page;
    m_state.g_lastPage = page;
  }
  m_view.PreparePageSwitch(page);
  ShowPage(m_state.g_selectedPage);
  m_state.g_currentPage = m_state.g_selectedPage;
  m_state.g_pageChosen = true;
  if (page == page::kDeviceInfo) ReloadBackground();
  m_view.FinishPageSwitch(page);
  UpdateCommandLooks();
  m_view.Redraw();
}

void WindowController::StartSettingsWrite(Transaction transaction) {
  m_engine.PrepareUserStore(transaction);
  if (m_state.g_linkState == link_state::kOpen) m_engine.SendSettings();
  UpdateCommandLooks();
  m_view.Redraw();
}

void WindowController::OnApply() {
  if (IsBusy()) {
    Refuse(WindowCommand::kApply);
    return;
  }
  ShowStatus(std::string());
  m_state.g_pressedCommand = command::kApply;
  m_view.RedrawNoteButtons();
  // The list compares what the controller holds with the values as they
  // are; the pages' collect and load steps come only after OK.
  const ReviewQuestion question = ApplyQuestion(LastCompletedData(), EditedData());
  if (m_dialogs.AskReview(question, kApplyCaption, QuestionButtons::kOkCancel) != Answer::kOk) {
    m_nConfirmState = kCancelled;
    m_view.RedrawButton(button_id::kApply);
    return;
  }
  KeepBeforeWrite(SnapshotReason::kBeforeApply);
  ShowPage(m_state.g_selectedPage);
  m_view.CollectSelections();
  m_curves.boost.LoadStoredCurve();
  m_curves.brake.LoadStoredCurve();
  m_curves.throttle.LoadStoredCurve();
  StartSettingsWrite(Transaction::kApply);
}

void WindowController::OnDefault() {
  if (IsBusy()) {
    Refuse(WindowCommand::kDefault);
    return;
  }
  ShowStatus(std::string());
  m_state.g_pressedCommand = command::kDefault;
  m_view.RedrawNoteButtons();
  const ReviewQuestion question = DefaultQuestion(LastCompletedData(), EditedData());
  if (m_dialogs.AskReview(question, kDefaultCaption, QuestionButtons::kOkCancel) != Answer::kOk) {
    m_nConfirmState = kCancelled;
    m_view.RedrawButton(button_id::kDefault);
    return;
  }
  KeepBeforeWrite(SnapshotReason::kBeforeDefault);
  ShowPage(m_state.g_selectedPage);
  m_view.ApplyFactoryIndexes();
  m_view.ResetCurveEditors();
  // The editors' store of their points, without closing them: it clears the
  // stored points first, so no point of an earlier, longer curve is sent
  // behind the reset curve's end point.
  for (CurveModel* model : {&m_curves.boost, &m_curves.brake, &m_curves.throttle}) model->StorePoints();
  StartSettingsWrite(Transaction::kDefault);
}

void WindowController::OnDeviceEsc() {
  if (m_state.g_escPresent == 0 || !m_state.g_lcdMode) return;
  m_state.g_lcdMode = false;
  m_state.g_selectedPage = page::kGeneral;
  m_state.g_currentPage = page::kDeviceInfo;
  m_view.RefreshDeviceInfo();
  OnPageButton(page::kGeneral);
  m_view.ApplyDeviceLook();
}

void WindowController::OnDeviceLcd() {
  if (m_state.g_adapterReady != 1 || m_state.g_escPresent != 0) return;
  if (!m_state.g_lcdMode) {
    m_state.g_lcdMode = true;
    m_state.g_deviceType = device_type::kFull;
    m_state.g_selectedPage = page::kDeviceInfo;
    OnPageButton(page::kDeviceInfo);
    m_view.RefreshDeviceInfo();
    ShowStatusIndicators(false);
    m_view.ApplyDeviceLook();
  }
  m_view.Redraw();
}

void WindowController::OnEscape() {
  if (m_view.CloseOpenList()) return;
  if (m_state.g_curveEditorOpen != 0) m_view.CancelOpenCurveEditor();
}

bool WindowController::ConfirmQuit() {
  QuitSituation situation;
  if (m_state.g_transferPending != 0) situation.running = m_engine.RunningTransaction();
  situation.boxFirmware = m_firmware && m_firmware->Kind() == FirmwareKind::kBoxImage;
  situation.editsNotApplied = m_engine.HasEditsNotApplied();
  const std::string question = QuitQuestion(situation);
  if (question.empty()) return true;
  return m_dialogs.Ask(question, kQuitCaption, QuestionButtons::kYesNoDefaultNo) == Answer::kYes;
}

}  // namespace vuriru
