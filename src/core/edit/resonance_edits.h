// The resonance dialog's changes of a compartment's working copy: the
// effective dimensions it starts from and the default filling levels.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "model/arrangement.h"

namespace korain {

// An effective length or breadth left at 0 (below 0.001 either way) takes the
// compartment's length or breadth: the free surface spans the whole tank
// unless the engineer says otherwise.
void fillEffectiveDimensions(Compartment& compartment);

// Whether one more filling level fits: a saved compartment keeps no more than
// its file line can hold, and more would be lost on reading.
bool canAddLevel(const Compartment& compartment);

// Appends a blank filling level when one more fits.
bool appendLevel(Compartment& compartment);

// Appends ten filling levels at 0.1, 0.2, ... 0.9 and 0.95 of the height,
// each with the free-surface length and breadth given, as many as fit;
// existing levels stay in front of them.
void appendDefaultLevels(Compartment& compartment, Single length, Single breadth);

// A filling level as a percentage of the compartment's height, and the level
// of a percentage; none for a compartment without a height (0 or below).
std::optional<double> shareOfHeight(const Compartment& compartment, double level);
std::optional<double> levelOfShare(const Compartment& compartment, double percent);

}  // namespace korain
