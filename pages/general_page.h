// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The General page: seven visible settings and the hidden PROFILE, plus the
// device and software fields its template carries but never shows.

#include "pages/settings_page.h"

class QLineEdit;

namespace vuriru {

class CGeneral : public CSettingsPage {
  Q_OBJECT

 public:
  static constexpr int kDeviceEditId = 1064;
  static constexpr int kSoftwareEditId = 1066;
  static constexpr int kVersionListId = 1075;

  explicit CGeneral(SettingsBlock& block, QWidget* parent = nullptr);

  QLineEdit* DeviceEdit() const { return m_deviceEdit; }

 private:
  QLineEdit* m_deviceEdit;
};

}  // namespace vuriru
