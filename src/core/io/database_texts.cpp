// The fixed lines that frame every block of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/database_texts.h"

#include "text/string_table.h"

namespace korain {

const DatabaseTexts& DatabaseTexts::get() {
  static const DatabaseTexts texts{
      korainString(text_id::kCommentMarker),      korainString(text_id::kBlockBanner),
      korainString(text_id::kVersionBanner),      korainString(text_id::kGeneralBanner),
      korainString(text_id::kPanelsBanner),       korainString(text_id::kNodesBanner),
      korainString(text_id::kCompartmentsBanner), korainString(text_id::kCompartmentPartBanner),
      korainString(text_id::kCoordinateFormat),
  };
  return texts;
}

}  // namespace korain
