// The value a check gives an object, and the list of distinct values a legend shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "model/arrangement.h"

namespace korain {

// A number (material, thickness) or a text (every other check). One check
// gives values of one kind only.
using CheckValue = std::variant<double, std::string>;

// Numbers within 0.001 of each other are the same value; texts only when equal.
bool sameCheckValue(const CheckValue& a, const CheckValue& b);

// Adds the value unless one already in the list is the same.
void addDistinctValue(std::vector<CheckValue>& values, const CheckValue& value);

// The 1-based position of the first value in the list that is the same as this
// one; 0 when there is none.
Long positionOf(const std::vector<CheckValue>& values, const CheckValue& value);

}  // namespace korain
