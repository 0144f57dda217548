// The title block's program-given lines as they stand now: this program's
// version, today's date, the user and the machine, and the drawing's makers
// as the configuration names them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "configuration.h"
#include "view/title_block.h"

namespace korain {

// The typed lines stay empty; `shownObjectKind` is the panel code shown.
TitleBlockInput titleBlockInputNow(Integer shownObjectKind,
                                   const IdentificationConfig& identification);

}  // namespace korain
