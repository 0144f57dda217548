// Fixed texts, versions and limits of the hull-section block.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "model/arrangement.h"
#include "text/line_values.h"

namespace korain {

// The keyword Korain's own tests write; any keyword but "ZEL" and "TORSION" is a section.
inline constexpr char kSectionKeyword[] = "SECTION";

// The data version of the sections the midship-section program writes now.
inline constexpr Single kSectionVersion = 2.002F;

// Sections written before this version have no alternate-loading values
// (Table3 and Flag6) in their compartment records, only what was there before.
inline constexpr Single kSectionVersionWithAlternateLoading = 1.9998F;

// The third list of two-ended objects has no numbered banner of its own.
inline constexpr std::string_view kCutOutBanner = "------------------ CUT-OUTS ------------------";

// Panels, nodes, stiffeners, strakes, two-ended objects and compartments are
// numbered by Integers, so no list of a section grows beyond what an Integer
// counts; a damaged file cannot make the reader claim more.
inline constexpr int kMaxSectionListLength = 32767;

// A line holds at most 400 values: the panel and the end count, then three
// values an end.
inline constexpr int kMaxStiffenerEnds = (kMaxValuesPerLine - 2) / 3;

// The count, then two values a node reference.
inline constexpr int kMaxNodeRefs = (kMaxValuesPerLine - 1) / 2;

// Numbers of the banners that only section blocks use.
namespace text_id {
inline constexpr Long kStiffenersBanner = 3012;
inline constexpr Long kStrakesBanner = 3013;
inline constexpr Long kGirdersBanner = 3014;
inline constexpr Long kBracketsBanner = 3015;
inline constexpr Long kSectionPanelsBanner = 3021;
}  // namespace text_id

// The numbered banners of the section block, fetched once.
struct SectionTexts {
  std::string panelsBanner;
  std::string stiffenersBanner;
  std::string strakesBanner;
  std::string girdersBanner;
  std::string bracketsBanner;

  static const SectionTexts& get();
};

}  // namespace korain
