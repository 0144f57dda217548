// Display texts of the model's code tables.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/codes.h"

#include <array>

namespace korain {
namespace {

template <std::size_t N>
std::optional<std::string_view> textOf(const std::array<std::string_view, N>& texts, Long code) {
  if (code < 0 || static_cast<std::size_t>(code) >= N) return std::nullopt;
  return texts[static_cast<std::size_t>(code)];
}

constexpr std::array<std::string_view, 8> kObjectKinds = {
    "Bulkhead Arrangement", "Bulkhead",    "Node",        "Primary supporting members",
    "Ordinary Stiffener",   "Corrugation", "Strake band", "Compartment"};
constexpr std::array<std::string_view, 3> kBulkheadTypes = {"Single skin", "Double skin",
                                                            "Corrugated"};
constexpr std::array<std::string_view, 2> kDirections = {"Horizontal", "Vertical"};
constexpr std::array<std::string_view, 2> kSides = {"Forward compartment", "Aftward compartment"};

}  // namespace

std::optional<std::string_view> objectKindText(Long code) { return textOf(kObjectKinds, code); }
std::optional<std::string_view> bulkheadTypeText(Long code) { return textOf(kBulkheadTypes, code); }
std::optional<std::string_view> directionText(Long code) { return textOf(kDirections, code); }
std::optional<std::string_view> sideText(Long code) { return textOf(kSides, code); }

}  // namespace korain
