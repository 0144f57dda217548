// Fixed texts and limits of the ZEL block shared by its writer and reader.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "model/arrangement.h"
#include "model/record_fields.h"
#include "model/versions.h"

namespace korain {

inline constexpr std::string_view kPrimaryBanner =
    "------------------ PRIMARY STIFF ------------------";
inline constexpr std::string_view kSecondaryBanner =
    "------------------ SECONDARY STIFF ------------------";
inline constexpr std::string_view kBracketBanner =
    "------------------ BRACK SCANT ------------------";
inline constexpr std::string_view kSpanScantlingBanner =
    "------------------ SPAN SCANT ------------------";
inline constexpr std::string_view kSpanBracketBanner =
    "------------------ SPAN BRACK ------------------";
inline constexpr std::string_view kCorrugationBanner =
    "------------------ BH CORR ------------------";
inline constexpr std::string_view kStrakeBanner = "------------------ BH STRAKE ------------------";

inline constexpr std::string_view kNoNodeList = "no node list";
inline constexpr std::string_view kExtremityFormat = "###0.000";
inline constexpr Integer kCompartmentLineCount = 8;
// The lines of the general data: name, position, hoppers, state, identifier.
inline constexpr int kGeneralDataLines = 5;
// A stiffener's line gives its computed extremities at values 10 and 11, for the reader's eye.
inline constexpr int kFirstExtremityValue = 10;
// The lines of a span's record: its own scantling (SPAN SCANT), its bracket lengths (SPAN BRACK).
inline constexpr int kSpanScantlingLine = 1;
inline constexpr int kSpanBracketLine = 2;

}  // namespace korain
