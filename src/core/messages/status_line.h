// The main window's status line as the long computations of core see it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

namespace korain {

// Shows a text in the main window's status line; an empty text clears it.
using StatusLine = std::function<void(std::string_view)>;

}  // namespace korain
