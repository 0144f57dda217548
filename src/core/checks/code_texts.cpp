// The numbered texts of profile types, codes and segments, and the connection texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/code_texts.h"

#include "text/string_table.h"

namespace korain {
namespace {

Long profileTypeTextNumber(Long type) {
  using namespace profile_type;
  switch (type) {
    case kNone:
      return 281;
    case kFlatBar:
      return 282;
    case kBulb:
      return 283;
    case kAngle:
      return 284;
    case kTee:
      return 285;
    case kCustom:
      return 298;
    case kPipe:
      return 380;
    case kUserDefined:
      return 299;
    default:
      return text_id::kUnknown;
  }
}

Long nodeSegmentTextNumber(Long curveCode) {
  switch (curveCode) {
    case 1:
      return 650;  // straight line
    case 3:
      return 651;  // arc
    case 4:
      return 652;  // tangent arc
    case 5:
      return 653;
    default:
      return 654;
  }
}

}  // namespace

std::string profileTypeText(Long type) { return korainString(profileTypeTextNumber(type)); }

std::string threeStateText(Long code) {
  return korainString(code >= 0 && code <= 2 ? text_id::kFirstThreeStateText + code
                                             : text_id::kUnknown);
}

std::string nodeSegmentText(Long curveCode) {
  return korainString(nodeSegmentTextNumber(curveCode));
}

std::string_view connectionText(Long typeConn) {
  switch (typeConn) {
    case 0:
      return "Without Soft toe";
    case 1:
      return "Soft toe";
    default:
      return "";
  }
}

}  // namespace korain
