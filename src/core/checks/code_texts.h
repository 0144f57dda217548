// Texts under which profile types, three-state codes, contour segments and
// stiffener end connections appear in panels, labels and legends.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/codes.h"

namespace korain {

// The name of a profile type ("Flat bar"); any code without a name reads as unknown.
std::string profileTypeText(Long type);

// The text of a code that takes the values 0, 1 or 2; any other reads as unknown.
std::string threeStateText(Long code);

// The description of a node's segment from the previous node, by its curve code
// (ShCur), as the node panel's title shows it.
std::string nodeSegmentText(Long curveCode);

// How a stiffener's ends are connected (TypeConn): "Without Soft toe", "Soft
// toe", and an empty text for any other code.
std::string_view connectionText(Long typeConn);

// The choices of the stiffener panel's connection list; item i is code i.
inline constexpr std::array<std::string_view, 2> kConnectionListTexts = {"No Soft toe", "Soft toe"};

}  // namespace korain
