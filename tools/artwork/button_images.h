// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The images compiled into the program: every button image by its id,
// normal and pressed, the curve grid, and the resource file that lists them.
// The button images print words, so they are drawn once per language.

#include <QString>
#include <QStringList>

namespace vuriru::art {

// Writes "<id>.png" for every button image into `dir` (English, `language`
// empty) or into `dir`/`language` with the words of the translator installed
// now; the English set also holds the curve grid and the application icon.
// Adds each file's path relative to `dir` to `files`; false when a file
// cannot be written.
bool WriteButtonImages(const QString& dir, const QString& language, QStringList& files);

// Writes "images.qrc", which lists `files`, into `dir`.
bool WriteResourceList(const QString& dir, const QStringList& files);

}  // namespace vuriru::art
