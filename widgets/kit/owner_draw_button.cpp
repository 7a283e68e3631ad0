// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/owner_draw_button.h"

#include <QPainter>

#include "widgets/kit/artwork.h"
#include "window/button_art.h"
#include "window/button_logic.h"

namespace vuriru {
namespace {

constexpr double kDimmedOpacity = 0.4;

}  // namespace

CCownerDrawBton::CCownerDrawBton(int controlId, ButtonHost& host, QWidget* parent)
    : QAbstractButton(parent), m_controlId(controlId), m_host(host) {
  setObjectName(QStringLiteral("button%1").arg(controlId));
  setFocusPolicy(Qt::NoFocus);
  // The window's click handlers read the page or command that the press
  // recorded. A quick click can be released before the pressed picture is
  // painted, so the press is recorded the moment it happens, not only when
  // the button next paints.
  connect(this, &QAbstractButton::pressed, this, [this] {
    ButtonImageChoice choice = ResolveButtonImage(m_controlId, true, m_host);
    if (choice.kind == ButtonImageChoice::Kind::kImage) update();
  });
}

void CCownerDrawBton::SetDimmed(bool dimmed) {
  if (dimmed == m_dimmed) return;
  m_dimmed = dimmed;
  update();
}

QSize CCownerDrawBton::sizeHint() const {
  if (std::optional<ButtonArt> art = FindButtonArt(m_controlId)) return {art->width, art->height};
  if (m_controlId == button_id::kEscIndicator || m_controlId == button_id::kUsbIndicator) return {53, 56};
  return {66, 74};
}

void CCownerDrawBton::paintEvent(QPaintEvent*) {
  ButtonImageChoice choice = ResolveButtonImage(m_controlId, isDown(), m_host);
  // Pressed while busy: the picture stays what it was.
  if (choice.kind == ButtonImageChoice::Kind::kImage) m_shownImage = choice.imageId;
  if (choice.kind == ButtonImageChoice::Kind::kNoImage) m_shownImage = 0;
  if (m_shownImage == 0) return;

  QPixmap image = ResourceImage(m_shownImage);
  if (image.isNull()) return;
  QPainter painter(this);
  if (m_dimmed) {
    // Grey and faint over the picture behind it: the same image, plainly out
    // of reach.
    image = QPixmap::fromImage(image.toImage().convertToFormat(QImage::Format_Grayscale8));
    painter.setOpacity(kDimmedOpacity);
  }
  // Copied unscaled from the top-left corner; a button smaller than its image
  // (RESET, OK, CANCEL in the V1 panels) gets the whole image scaled down.
  if (image.width() > width() || image.height() > height()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), image);
  } else {
    painter.drawPixmap(0, 0, image);
  }
}

}  // namespace vuriru
