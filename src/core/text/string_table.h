// The family's numbered texts: messages, captions, file banners, number formats.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/arrangement.h"

namespace korain {

// The text of a number, or nothing when the table has no such number.
std::optional<std::string_view> findKorainString(Long number);

// The text of a number; "Res #" and the number when the table has none.
std::string korainString(Long number);

// The same for the status line, where a missing text reads "Status #" and the number.
std::string korainStatusString(Long number);

// Numbers of the texts that shape the database file.
namespace text_id {
inline constexpr Long kCommentMarker = 3001;
inline constexpr Long kBlockBanner = 3002;
inline constexpr Long kVersionBanner = 3003;
inline constexpr Long kGeneralBanner = 3004;
inline constexpr Long kPanelsBanner = 3005;
inline constexpr Long kNodesBanner = 3006;
inline constexpr Long kCompartmentsBanner = 3010;
inline constexpr Long kCompartmentPartBanner = 3011;
inline constexpr Long kNameColumnTitle = 3101;
inline constexpr Long kCompartmentLineCountTitle = 3116;
inline constexpr Long kCompartmentLine2Title = 3117;  // 3117..3121 describe lines 2 to 8
inline constexpr Long kCompartmentLine8Title = 3121;
inline constexpr Long kProgramComment = 3128;
inline constexpr Long kBlockVersionComment = 3129;
inline constexpr Long kIdentificationComment = 3130;
inline constexpr Long kSavedBy = 424;
inline constexpr Long kCoordinateFormat = 801;
inline constexpr Long kDatabaseMissing = 1083;
inline constexpr Long kDatabaseReadOnly = 1086;
}  // namespace text_id

}  // namespace korain
