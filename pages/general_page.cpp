// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/general_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "settings/settings_pages.h"

namespace vuriru {

CGeneral::CGeneral(SettingsBlock& block, QWidget* parent)
    : CSettingsPage(GeneralPageTable(), block, parent), m_deviceEdit(new QLineEdit(this)) {
  // Fields the template holds for the device and software versions; they are
  // never shown, but the device edit carries the device's name.
  m_deviceEdit->setObjectName(QStringLiteral("edit%1").arg(kDeviceEditId));
  m_deviceEdit->setReadOnly(true);
  m_deviceEdit->setText(QStringLiteral("Orvane 2"));
  m_deviceEdit->hide();

  auto* softwareEdit = new QLineEdit(this);
  softwareEdit->setObjectName(QStringLiteral("edit%1").arg(kSoftwareEditId));
  softwareEdit->setReadOnly(true);
  softwareEdit->hide();

  auto* versionList = new QListWidget(this);
  versionList->setObjectName(QStringLiteral("list%1").arg(kVersionListId));
  versionList->hide();

  for (const char* caption : {"DEVICE", "SOFTWARE"}) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    label->hide();
  }
  auto* update = new QPushButton(QStringLiteral("UpData"), this);
  update->hide();
}

}  // namespace vuriru
