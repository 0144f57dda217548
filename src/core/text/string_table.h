// The family's numbered texts: messages, captions, file banners, number formats.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/arrangement.h"
#include "text/text_ids.h"

namespace korain {

// The text of a number, or nothing when the table has no such number.
std::optional<std::string_view> findKorainString(Long number);

// The text of a number; "Res #" and the number when the table has none.
std::string korainString(Long number);

// The same for the status line, where a missing text reads "Status #" and the number.
std::string korainStatusString(Long number);

}  // namespace korain
