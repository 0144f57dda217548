// Who runs the program and where: printed in title blocks and report footers.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace korain {

// The user's login name; empty when the system does not tell it.
std::string loginName();

// The machine's name; empty when the system does not tell it.
std::string computerName();

}  // namespace korain
