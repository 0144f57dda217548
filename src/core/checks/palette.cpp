// The default colours of the check display.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/palette.h"

namespace korain {

List<Long> defaultCheckPalette() {
  List<Long> palette;
  for (const Long colour : {0x0072B2, 0xE69F00, 0x009E73, 0xF0E442, 0xD55E00, 0x56B4E9, 0x882255,
                            0xCC79A7, 0x332288, 0xDDCC77, 0x117733, 0xAA4499}) {
    palette.append(colour);
  }
  return palette;
}

}  // namespace korain
