// The preferences the user edits: the working settings kept in section 300 of
// "Tessaly.ini" and the drawing settings of the screen and the printer.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "configuration.h"
#include "session.h"

namespace korain {

struct Preferences {
  std::string DataPath;
  Single CircleRadius = 1.5F;
  Single MouseTolerance = 3.0F;
  Single ZoomFactor = 1.5F;
  bool MakeBackup = true;
  Single SteelDensity = 7.85F;    // t/m³, of the bulkheads' weights
  Single ThicknessDeduction = 0;  // mm, for the net section properties
  DisplayConfig screen;
  DisplayConfig printer;

  DisplayConfig& device(OutputDevice d) { return d == OutputDevice::Screen ? screen : printer; }

  bool operator==(const Preferences&) const = default;
};

// The run's working settings, and both devices' settings as "Tessaly.ini" holds them.
Preferences currentPreferences(const Session& session, const std::string& iniPath);

// A folder as typed: blanks around it, doubled and trailing separators and
// "." and ".." steps taken out.
std::string normalisedFolder(const std::string& typed);

// What storing the preferences came to: the warning to show when they were
// refused (nothing stored), or the file's error when they could not all be
// written (the run follows them all the same).
struct PreferencesResult {
  bool stored = false;
  std::string message;
};

// Stores the preferences unless their data folder does not exist: into the
// run (the zoom factor, the mouse tolerance and the backup copy follow at
// once, the density and the deduction at the panels' next refresh, the screen
// settings become the drawing's) and into "Tessaly.ini".
PreferencesResult storePreferences(Session& session, const std::string& iniPath,
                                   Preferences preferences);

}  // namespace korain
