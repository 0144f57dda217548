// Fixed texts, versions and limits of the hull-section block.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_format.h"

#include "text/string_table.h"

namespace korain {

const SectionTexts& SectionTexts::get() {
  static const SectionTexts texts{
      korainString(text_id::kSectionPanelsBanner), korainString(text_id::kStiffenersBanner),
      korainString(text_id::kStrakesBanner),       korainString(text_id::kGirdersBanner),
      korainString(text_id::kBracketsBanner),
  };
  return texts;
}

}  // namespace korain
