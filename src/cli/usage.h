// What korain-cli prints about its own use: the whole usage, one command's
// usage, and the short answer to a wrong use.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace korain {

// Every command's synopsis, then what each does, then the exit statuses.
std::string fullUsage();

// The synopsis and description of one command; nothing for an unknown name.
std::optional<std::string> commandUsage(std::string_view name);

// Says in one line what was wrong and where to read more, then returns the
// exit status of a wrong use. An empty command points to the whole usage.
int wrongUse(std::string_view command, std::string_view problem, std::ostream& err);

}  // namespace korain
