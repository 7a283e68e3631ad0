// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "widgets/kit/artwork.h"
#include "widgets/kit/language.h"
#include "widgets/kit/widget_setup.h"

namespace vuriru {
CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent),
      m_icon(new QLabel(this)),
      m_version(new QLabel(MessageText(kVersionText), this)),
      m_owner(new QLabel(MessageText(kOwnerText), this)),
      m_ok(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "OK")), this)) {
  setObjectName(QStringLiteral("dialog100"));
  setWindowTitle(MessageText(kCaption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  // 235 x 46 dialog units: the icon at the left, the two lines beside it,
  // OK at the right.
  setFixedSize(DuX(235), DuY(46));

  m_icon->setObjectName(QStringLiteral("icon"));
  m_icon->setPixmap(AppIcon().pixmap(32, 32));
  m_icon->setGeometry(ToQRect(DuRect(11, 10, 21, 20)));
  m_icon->setAlignment(Qt::AlignCenter);
  m_version->setObjectName(QStringLiteral("version"));
  m_version->setGeometry(ToQRect(DuRect(40, 10, 119, 10)));
  m_owner->setObjectName(QStringLiteral("owner"));
  m_owner->setGeometry(ToQRect(DuRect(40, 25, 119, 10)));

  m_ok->setObjectName(QStringLiteral("button1"));
  m_ok->setGeometry(ToQRect(DuRect(178, 7, 50, 14)));
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vuriru
