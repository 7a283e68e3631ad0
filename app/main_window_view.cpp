// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's drawing steps, as the window controller asks for them,
// and what the V1 panels ask of the window.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/main_window.h"
#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/data_page.h"
#include "pages/device_info_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "pages/turbo_page.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"
#include "window/v1_busy_rule.h"

namespace vuriru {

// ---- WindowView: buttons, indicators, pages and pictures ----

void CQorProDlg::SetButtonShown(int controlId, bool shown) {
  if (CCownerDrawBton* button = Button(controlId)) button->setVisible(shown);
}

void CQorProDlg::SetButtonDimmed(int controlId, bool dimmed) {
  if (CCownerDrawBton* button = Button(controlId)) button->SetDimmed(dimmed);
}

void CQorProDlg::RedrawButton(int controlId) {
  if (CCownerDrawBton* button = Button(controlId)) button->update();
}

void CQorProDlg::FocusButton(int controlId) {
  if (CCownerDrawBton* button = Button(controlId)) button->setFocus();
}

void CQorProDlg::SetIndicatorsShown(bool shown) {
  SetButtonShown(button_id::kEscIndicator, shown);
  SetButtonShown(button_id::kUsbIndicator, shown);
}

void CQorProDlg::RedrawIndicators() {
  RedrawButton(button_id::kEscIndicator);
  RedrawButton(button_id::kUsbIndicator);
}

void CQorProDlg::SetPageShown(uint8_t page, bool shown) {
  m_pages->SetShown(page, shown);
}

void CQorProDlg::HideCurveEditors() {
  m_pages->HideEditors();
}

void CQorProDlg::SetV1PanelShown(V1PanelKind panel, bool shown) {
  QWidget* widget = panel == V1PanelKind::kV1 ? static_cast<QWidget*>(m_v1Dlg) : static_cast<QWidget*>(m_cnV1Dlg);
  widget->setVisible(shown);
}

void CQorProDlg::SetBackground(const std::string& file) {
  if (file == m_backgroundFile && !m_bmpBackground.isNull()) return;
  // A picture that cannot be loaded ends the window, which ends the program.
  if (!LoadPicture(file, m_bmpBackground)) {
    reject();
    return;
  }
  m_backgroundFile = file;
  update();
}

void CQorProDlg::Redraw() {
  update();
}

// ---- WindowView: the pages around a switch ----

void CQorProDlg::PreparePageSwitch(uint8_t page) {
  m_pages->PrepareSwitch(page);
}

void CQorProDlg::FinishPageSwitch(uint8_t page) {
  m_pages->FinishSwitch(page);
}

void CQorProDlg::RefreshDeviceInfo() {
  m_pages->DeviceInfo()->RefreshDeviceInfo();
}

void CQorProDlg::ApplyDeviceLook() {
  m_pages->DeviceInfo()->ApplyTargetLook();
}

void CQorProDlg::RedrawNoteButtons() {
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) PageWidget(page)->update();
}

// ---- WindowView: settings, curves and texts ----

void CQorProDlg::CollectSelections() {
  m_pages->CollectSelections();
}

void CQorProDlg::ApplyFactoryIndexes() {
  m_pages->ApplyFactoryIndexes();
}

void CQorProDlg::RefreshPages() {
  m_pages->RefreshFromIndexes();
}

void CQorProDlg::ResetCurveEditors() {
  m_pages->ResetEditors();
}

void CQorProDlg::RedrawCurve(CurveNumber number) {
  m_pages->RedrawCurve(number);
}

void CQorProDlg::FormatRunningLog() {
  DataPage()->FormatRunningLog();
}

bool CQorProDlg::CloseOpenList() {
  return m_pages->CloseOpenList();
}

bool CQorProDlg::CancelOpenCurveEditor() {
  return m_pages->CancelOpenEditor();
}

void CQorProDlg::SetHardwareVersion(const std::string& /*text*/) {
  // The page reads the text from the engine; it enables its field and redraws.
  DeviceInfoPage()->OnConnectVersionArrived();
}

void CQorProDlg::SetSoftwareVersion(const std::string& text) {
  GeneralPage()->DeviceEdit()->setText(QString::fromStdString(text));
}

// ---- WindowView: the V1 panel, the progress dialog, the status line ----

void CQorProDlg::ShowV1ReadValues() {
  m_v1Dlg->ShowReadValues();
}

void CQorProDlg::ShowV1SendDone() {
  m_v1Dlg->ShowSendDone();
}

void CQorProDlg::SetV1StatusText(const UserText& text) {
  m_v1Dlg->SetStatusText(text);
}

void CQorProDlg::ShowProgress(uint32_t pos, uint32_t range) {
  m_progress->ShowProgress(range, pos);
}

void CQorProDlg::SetProgressCaption(const UserText& text, uint32_t pos, uint32_t range) {
  m_progressCaption = text;
  m_progress->SetCaption(MessageText(text));
  // The bar follows the caption's figure.
  m_progress->SetProgress(range, pos);
}

void CQorProDlg::HideProgress() {
  m_progress->HideProgress();
}

void CQorProDlg::Beep() {
  QApplication::beep();
}

void CQorProDlg::ShowStatusLine(const std::string& text) {
  m_statusSource = text;
  m_statusLine->setText(MessageText(text));
  m_statusLine->setVisible(!text.empty());
  if (!text.empty()) m_statusLine->raise();
}

// ---- V1PanelHost ----

V1ConnectionIndicators CQorProDlg::ConnectionIndicators() const {
  return {m_state.g_escPresent == 1 ? kIndicatorConnected : 0, m_state.g_adapterReady == 1 ? kIndicatorConnected : 0};
}

void CQorProDlg::StartV1Read() {
  m_engine.StartV1Read();
}

void CQorProDlg::SendSettings() {
  m_controller.OnV1Send();
}

void CQorProDlg::SendFirmwareFile() {
  m_controller.StartFirmwareUpdate();
}

void CQorProDlg::ShowProgress() {
  m_progress->ShowProgress(m_state.g_progressRange, m_state.g_progressPos);
}

void CQorProDlg::FinishProgress() {
  m_progress->HideProgress();
}

}  // namespace vuriru
