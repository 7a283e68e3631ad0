// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the snapshots go: one PNG file per picture in the output folder.

#include <QDir>
#include <QPixmap>
#include <QString>

class QWidget;

namespace vuriru::snapshots {

class Snapshots {
 public:
  explicit Snapshots(const QString& dir) : m_dir(dir) {}

  // The widget as it draws itself, children included.
  void Save(QWidget& widget, const QString& name);
  void Save(const QPixmap& picture, const QString& name);
  // A failed step: reported, and the program ends with an error.
  void Fail(const QString& what);
  bool Ok() const { return m_ok; }

 private:
  QDir m_dir;
  bool m_ok = true;
};

}  // namespace vuriru::snapshots
