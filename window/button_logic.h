// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decision a bitmap button makes each time it is drawn: which image to
// show, and what a press records in the shared state (the page selected, the
// command pressed). Kept apart from the widget so that it runs without a
// window. Plain C++.

#include "window/button_host.h"

namespace vuriru {

struct ButtonImageChoice {
  enum class Kind {
    kImage,        // draw imageId
    kKeepPicture,  // pressed while busy: leave the picture as it was
    kNoImage,      // an id without images
  };
  Kind kind = Kind::kNoImage;
  int imageId = 0;
};

// `down` is whether the button is held down at this moment.
ButtonImageChoice ResolveButtonImage(int controlId, bool down, ButtonHost& host);

}  // namespace vuriru
