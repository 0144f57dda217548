// A tour of the editor on a copy of the example database: every panel and
// dialog opened by its own command, as an engineer would, and taken.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "camera.h"

namespace korain::pictures {

// Opens the database in the main window and takes every picture of the
// manual into the camera's folder; the settings are kept in `iniPath`.
void tourEditor(const std::string& database, const std::string& iniPath, Camera& camera);

}  // namespace korain::pictures
