// Code tables of the model and their display texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

// The panels of the editor. An object panel's code is the code of the kind of
// object it edits (its kind text is objectKindText of the code); codes 8 and 9
// are never used, and 10 to 12 show the rule checks.
enum class PanelCode : Integer {
  Display = 0,
  Bulkhead = 1,
  Nodes = 2,
  PrimaryMembers = 3,
  OrdinaryStiffeners = 4,
  Corrugation = 5,
  StrakeBands = 6,
  Compartments = 7,
  PlatingChecks = 10,
  StiffenerChecks = 11,
  Checks = 12,
};

// The panel that shows the check of plating or of stiffeners over every bulkhead.
constexpr bool isCheckPanel(PanelCode code) {
  return code == PanelCode::PlatingChecks || code == PanelCode::StiffenerChecks;
}

inline constexpr Long kBulkheadSingleSkin = 0;
inline constexpr Long kBulkheadDoubleSkin = 1;
inline constexpr Long kBulkheadCorrugated = 2;

inline constexpr Long kHorizontal = 0;
inline constexpr Long kVertical = 1;

inline constexpr Long kForwardSide = 0;
inline constexpr Long kAftwardSide = 1;

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

// How a stiffener's ends are connected (`TypeConn`).
inline constexpr Long kNoSoftToe = 0;
inline constexpr Long kSoftToe = 1;

// Display texts; a code outside its table has none.
std::optional<std::string_view> objectKindText(Long code);
std::optional<std::string_view> bulkheadTypeText(Long code);
std::optional<std::string_view> directionText(Long code);
std::optional<std::string_view> sideText(Long code);

}  // namespace korain
