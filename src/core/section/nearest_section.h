// The hull section that an arrangement belongs to: of the database's section
// blocks, the one whose X lies nearest to the arrangement's.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "section/section.h"

namespace korain {

// None when the database holds no section block that reads.
std::optional<Section> nearestSection(std::string_view databaseBytes, std::string_view fileName,
                                      Single x);

}  // namespace korain
