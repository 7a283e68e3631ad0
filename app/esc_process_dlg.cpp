#include "app/esc_process_dlg.h"

#include <algorithm>

#include <QCloseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vuriru {
namespace {

// Where the dialog sits in the main window's client area, in pixels.
constexpr int kLeft = 150;
constexpr int kTop = 210;
constexpr int kWidth = 540;
constexpr int kHeight = 70;

}  // namespace

CEscProcessDlg::CEscProcessDlg(QWidget* parent) : QDialog(parent), m_bar(new QProgressBar(this)) {
  setWindowTitle(QStringLiteral("Esc Process......"));
  setObjectName(QStringLiteral("dialog178"));
  setModal(false);
  // A caption bar without a close button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(kWidth, kHeight);
  m_bar->setObjectName(QStringLiteral("progress%1").arg(kProgressBarId));
  m_bar->setRange(0, 100);
  m_bar->setTextVisible(false);
  // White background, blue bar, no segments.
  m_bar->setStyleSheet(
      QStringLiteral("QProgressBar { background-color: #ffffff; border: 1px solid #808080; }"
                     "QProgressBar::chunk { background-color: #0000ff; }"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(m_bar);
  hide();
}

int CEscProcessDlg::ProgressPercent(uint32_t range, uint32_t position) {
  if (range == 0) return 0;
  uint64_t percent = uint64_t{position} * 100 / range;
  return static_cast<int>(std::min<uint64_t>(percent, INT32_MAX));
}

void CEscProcessDlg::SetProgress(uint32_t range, uint32_t position) {
  m_bar->setValue(std::min(ProgressPercent(range, position), 100));
}

void CEscProcessDlg::SetCaption(const QString& caption) {
  setWindowTitle(caption);
}

void CEscProcessDlg::ShowProgress(uint32_t range, uint32_t position) {
  SetProgress(range, position);
  if (!isVisible()) {
    PlaceOverParent();
    show();
  }
  m_bar->repaint();
}

void CEscProcessDlg::HideProgress() {
  // Ended with result 1; the object and window stay for the next transaction.
  done(1);
}

void CEscProcessDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
}

int CEscProcessDlg::ShownPercent() const {
  return m_bar->value();
}

void CEscProcessDlg::PlaceOverParent() {
  if (QWidget* owner = parentWidget()) move(owner->mapToGlobal(QPoint(kLeft, kTop)));
}

}  // namespace vuriru
