// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bitmap files that lie beside the program: window and page backgrounds,
// the V1 panel and curve editor backgrounds.

#include <QString>

namespace vuriru::art {

// Writes every background into `dir`; false when a file cannot be written.
bool WriteBackgrounds(const QString& dir);

}  // namespace vuriru::art
