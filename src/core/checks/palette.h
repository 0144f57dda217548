// The colours of the check display, as 0xRRGGBB.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/arrangement.h"

namespace korain {

// Twelve colours that stay apart for readers with the common colour vision
// deficiencies and in grey print: the first eight alternate light and dark,
// so that neighbouring legend entries never share a grey.
List<Long> defaultCheckPalette();

}  // namespace korain
