// A DXF file's polylines, lines and arcs and its units, as a contour can be made of them.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "import/dxf_entities.h"

namespace korain {

// The entities of the drawing (model space: what blocks define is left out),
// in drawing units, y and z being the drawing's x and y. False with the
// reason in `error` when the file cannot be read.
bool readDxfEntities(const std::string& path, DxfEntities& entities, std::string& error);
bool readDxfEntities(std::istream& stream, DxfEntities& entities, std::string& error);

}  // namespace korain
