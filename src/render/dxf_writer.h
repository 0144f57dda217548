// The world drawing written as a DXF file (AutoCAD 2000), model space in
// metres, one layer per kind of object.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "world_drawing.h"

namespace korain {

// False with the reason in `error` when the file cannot be written; nothing
// is left behind then.
bool writeDxf(const std::string& path, const WorldDrawing& drawing, std::string& error);

}  // namespace korain
