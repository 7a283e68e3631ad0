#pragma once
// The images compiled into the program: every button image by its id,
// normal and pressed, the curve grid, and the resource file that lists them.

#include <QString>

namespace vuriru::art {

// Writes "<id>.png" for every image and "images.qrc" into `dir`; false when a
// file cannot be written.
bool WriteButtonImages(const QString& dir);

}  // namespace vuriru::art
