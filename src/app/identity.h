// Who runs the program and where: printed in title blocks and report footers.
#pragma once

#include <string>

namespace korain {

// The user's login name; empty when the system does not tell it.
std::string loginName();

// The machine's name; empty when the system does not tell it.
std::string computerName();

}  // namespace korain
