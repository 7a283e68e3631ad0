// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/snapshots/snapshot_sheet.h"

#include <cstdio>

#include <QWidget>

namespace vuriru::snapshots {

void Snapshots::Save(QWidget& widget, const QString& name) {
  Save(widget.grab(), name);
}

void Snapshots::Save(const QPixmap& picture, const QString& name) {
  const QString path = m_dir.filePath(name + QStringLiteral(".png"));
  if (!picture.save(path)) Fail(QStringLiteral("cannot write %1").arg(path));
}

void Snapshots::Fail(const QString& what) {
  std::fprintf(stderr, "vuriru-snapshots: %s\n", qPrintable(what));
  m_ok = false;
}

}  // namespace vuriru::snapshots
