// Code tables of the model and their display texts.
#pragma once

#include <optional>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

enum class ObjectKind : Integer {
  Arrangement = 0,
  Bulkhead = 1,
  Node = 2,
  PrimaryMember = 3,
  OrdinaryStiffener = 4,
  Corrugation = 5,
  StrakeBand = 6,
  Compartment = 7,
};

inline constexpr Long kBulkheadSingleSkin = 0;
inline constexpr Long kBulkheadDoubleSkin = 1;
inline constexpr Long kBulkheadCorrugated = 2;

inline constexpr Long kHorizontal = 0;
inline constexpr Long kVertical = 1;

inline constexpr Long kForwardSide = 0;
inline constexpr Long kAftwardSide = 1;

// Display texts; a code outside its table has none.
std::optional<std::string_view> objectKindText(Long code);
std::optional<std::string_view> bulkheadTypeText(Long code);
std::optional<std::string_view> directionText(Long code);
std::optional<std::string_view> sideText(Long code);

}  // namespace korain
