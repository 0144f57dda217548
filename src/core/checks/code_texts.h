// Texts under which profile types, three-state codes, contour segments and
// stiffener end connections appear in panels, labels and legends.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

// Profile type codes of a Scantling's Typ.
namespace profile_type {
inline constexpr Long kNone = 0;
inline constexpr Long kFlatBar = 1;
inline constexpr Long kBulb = 2;
inline constexpr Long kAngle = 3;
inline constexpr Long kTee = 4;
inline constexpr Long kCustom = 5;
inline constexpr Long kPipe = 6;
inline constexpr Long kUserDefined = 20;
inline constexpr Long kPlateReference = 100;  // H1 names a material, E1 a thickness
}  // namespace profile_type

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
