// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/esc_process_dlg.h"

#include <algorithm>

#include <QCloseEvent>
#include <QPainter>
#include <QProgressBar>

#include "widgets/kit/client_area.h"
#include "widgets/kit/language.h"
#include "widgets/kit/widget_setup.h"
#include "widgets/layout/dialog_units.h"
#include "widgets/layout/theme_colours.h"

namespace vuriru {
namespace {

// The dialog's place, in dialog units: the template's 270 units across, at
// (75, 105), 35 units high. On the two-pixels-per-unit screens the pixel
// figures 540 x 70 at (150, 210) were taken from, this is the same place.
constexpr PixelRect kPlace = DuRect(75, 105, 270, 35);

constexpr int kMargin = 8;
constexpr int kCaptionHeight = 18;
constexpr int kBarHeight = 14;

const QColor kPanel(theme::kPanel);
const QColor kEdge(theme::kAccent);
const QColor kCaptionText(theme::kText);

}  // namespace

CEscProcessDlg::CEscProcessDlg(QWidget* parent)
    : QDialog(parent),
      m_caption(MessageText(QT_TRANSLATE_NOOP("Messages", "Esc Process......"))),
      m_bar(new QProgressBar(this)) {
  setObjectName(QStringLiteral("dialog178"));
  setModal(false);
  // A child window of the main window, not a window of its own.
  setWindowFlags(Qt::Widget);
  setWindowTitle(m_caption);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(kPlace.width, kPlace.height);
  setFont(KitFont(12, true));
  m_bar->setObjectName(QStringLiteral("progress%1").arg(kProgressBarId));
  m_bar->setRange(0, 100);
  m_bar->setTextVisible(false);
  // White background, blue bar, no segments.
  m_bar->setStyleSheet(
      QStringLiteral("QProgressBar { background-color: #ffffff; border: 1px solid #808080; }"
                     "QProgressBar::chunk { background-color: #0000ff; }"));
  m_bar->setGeometry(kMargin, height() - kMargin - kBarHeight, width() - 2 * kMargin, kBarHeight);
  hide();
}

QRect CEscProcessDlg::PlaceInClientArea() {
  return QRect(kPlace.x, kPlace.y, kPlace.width, kPlace.height);
}

QRect CEscProcessDlg::CaptionRect() const {
  return QRect(kMargin, kMargin - 2, width() - 2 * kMargin, kCaptionHeight);
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
  m_caption = caption;
  setWindowTitle(caption);
  update(CaptionRect());
}

void CEscProcessDlg::ShowProgress(uint32_t range, uint32_t position) {
  SetProgress(range, position);
  if (!isVisible()) {
    PlaceInParent();
    show();
  }
  // Pages and panels shown since are children of the same window: stay on top.
  if (!isWindow()) raise();
  repaint();
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

void CEscProcessDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPanel);
  painter.setPen(QPen(kEdge, 1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(kCaptionText);
  painter.setFont(font());
  const QRect caption = CaptionRect();
  painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(m_caption, Qt::ElideRight, caption.width()));
}

void CEscProcessDlg::PlaceInParent() {
  QWidget* owner = parentWidget();
  if (owner == nullptr || isWindow()) return;
  // The client area starts below the window's menu bar.
  move(ClientOrigin(*owner) + PlaceInClientArea().topLeft());
}

}  // namespace vuriru
