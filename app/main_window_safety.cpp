// What keeps a habit or a slip from costing the user: Escape never ends the
// program, closing asks when a transfer or unapplied edits would be lost, and
// a command that cannot act says why in the status line instead of doing
// nothing silently.

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include "app/main_window.h"
#include "pages/boost_page.h"
#include "pages/brake_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "pages/turbo_page.h"
#include "widgets/kit/owner_draw_button.h"
#include "window/button_art.h"
#include "window/quit_question.h"

namespace vuriru {

namespace {
// How long a refusal stays in the status line.
constexpr uint32_t kStatusShownMs = 6000;
constexpr int kStatusHeight = 22;
constexpr int kRightStripWidth = 60;
}  // namespace

void CQorProDlg::BuildStatusLine() {
  m_statusLine = new QLabel(this);
  m_statusLine->setObjectName(QStringLiteral("statusLine"));
  // Across the page area, clear of the strip on the right that carries the
  // indicators and the picture's caption.
  m_statusLine->setGeometry(8, height() - kStatusHeight - 4, width() - 16 - kRightStripWidth, kStatusHeight);
  m_statusLine->setStyleSheet(
      QStringLiteral("QLabel { color: #f0f0f0; background: rgba(20, 22, 26, 200); "
                     "border-left: 3px solid #ff8a1c; padding-left: 6px; }"));
  m_statusLine->hide();
}

QString CQorProDlg::StatusLineText() const {
  return m_statusLine->isHidden() ? QString() : m_statusLine->text();
}

void CQorProDlg::ShowStatus(const QString& text) {
  m_statusLine->setText(text);
  m_statusLine->setVisible(!text.isEmpty());
  if (text.isEmpty()) return;
  m_statusLine->raise();
  m_scheduler.RunAfter(kStatusShownMs, [alive = std::weak_ptr<bool>(m_alive), this, text] {
    if (alive.lock() && m_statusLine->text() == text) ShowStatus(QString());
  });
}

bool CQorProDlg::Refuse(WindowCommand command) {
  const std::string reason = RefusalReason(m_state, command);
  ShowStatus(QString::fromStdString(reason));
  return !reason.empty();
}

void CQorProDlg::UpdateCommandLooks() {
  for (const auto& [id, button] : m_buttons) {
    WindowCommand command = WindowCommand::kPage;
    if (id == button_id::kApply) {
      command = WindowCommand::kApply;
    } else if (id == button_id::kDefault) {
      command = WindowCommand::kDefault;
    } else if (id == button_id::kDeviceInfo) {
      command = WindowCommand::kDevicePage;
    } else if (PageNumberOfButton(id) == 0) {
      continue;  // indicators and the hidden language buttons
    }
    button->SetDimmed(!RefusalReason(m_state, command).empty());
  }
}

void CQorProDlg::keyPressEvent(QKeyEvent* event) {
  // The dialog's own Escape would end the program with every edit in it.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    OnEscape();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CQorProDlg::OnEscape() {
  for (CSettingsPage* settings : SettingsPages()) {
    if (settings->OpenListRow() != CSettingsPage::kNoOpenList) {
      settings->CloseAllLists();
      return;
    }
  }
  if (m_state.g_curveEditorOpen == 0) return;
  for (CCurveLine* editor :
       {static_cast<CCurveLine*>(m_throttle->Editor()), static_cast<CCurveLine*>(m_brake->Editor()),
        static_cast<CCurveLine*>(m_boost->Editor())}) {
    if (editor->Model().CloseFlag() == CurveModel::kShown) {
      editor->Button(button_id::kCancel)->click();
      return;
    }
  }
}

bool CQorProDlg::ConfirmQuit() {
  QuitSituation situation;
  if (m_state.g_transferPending != 0) situation.running = m_engine.RunningTransaction();
  situation.boxFirmware = m_firmware && m_firmware->Kind() == FirmwareKind::kBoxImage;
  situation.editsNotApplied = m_engine.HasEditsNotApplied();
  const std::string question = QuitQuestion(situation);
  if (question.empty()) return true;
  return m_dialogs.Ask(question, kQuitCaption, QuestionButtons::kYesNoDefaultNo) == Answer::kYes;
}

void CQorProDlg::closeEvent(QCloseEvent* event) {
  if (!ConfirmQuit()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace vuriru
