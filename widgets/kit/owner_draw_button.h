// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image button used for every picture button of the program: the page and
// command buttons, the link indicators, the curve editors' and V1 panels'
// buttons. It shows the image of its control id and state, and its drawing
// records a press of a page or command button in the shared state.

#include <QAbstractButton>

#include "window/button_host.h"

namespace vuriru {

class CCownerDrawBton : public QAbstractButton {
  Q_OBJECT

 public:
  // The host must outlive the button.
  CCownerDrawBton(int controlId, ButtonHost& host, QWidget* parent = nullptr);

  int ControlId() const { return m_controlId; }
  // The image drawn last, 0 before the first drawing or for ids without images.
  int ShownImage() const { return m_shownImage; }

  // Drawn dimmed while the window says the button cannot act; what it shows
  // and what a press records are unchanged.
  void SetDimmed(bool dimmed);
  bool IsDimmed() const { return m_dimmed; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_controlId;
  ButtonHost& m_host;
  int m_shownImage = 0;
  bool m_dimmed = false;
};

}  // namespace vuriru
