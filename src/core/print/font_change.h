// A font worn for one piece of text: the surface gets its previous font back
// when the change goes out of scope, whatever way the printing left.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_surface.h"

namespace korain {

class FontChange {
 public:
  FontChange(PrintSurface& surface, const PrintFont& font)
      : surface_(surface), previous_(surface.font()) {
    surface_.setFont(font);
  }
  ~FontChange() { surface_.setFont(previous_); }

  FontChange(const FontChange&) = delete;
  FontChange& operator=(const FontChange&) = delete;

 private:
  PrintSurface& surface_;
  PrintFont previous_;
};

}  // namespace korain
