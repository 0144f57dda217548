// Fixed texts and limits of the ZEL block shared by its writer and reader.
#pragma once

#include <string_view>

#include "model/arrangement.h"
#include "model/versions.h"

namespace korain {

// Versions from which the reader takes the state line, the span reduction and the connection type.
inline constexpr Single kZelVersionWithState = 0.44F;
inline constexpr Single kZelVersionWithSpanReduction = 0.441F;
inline constexpr Single kZelVersionWithConnection = 0.442F;

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
inline constexpr int kBulkheadNameWidth = 40;
inline constexpr Integer kCompartmentLineCount = 8;

// Lists that a line of the file dimensions or grows by an index stop at this
// length, so that a damaged number cannot make the reader claim memory without
// bound. No real bulkhead comes near it.
inline constexpr int kMaxIndexedListLength = 255;

}  // namespace korain
