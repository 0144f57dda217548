// The default drawing settings and colours.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/display_config.h"

#include "text/string_table.h"
#include "text/text_ids.h"

namespace korain {

DisplayConfig defaultDisplayConfig() {
  DisplayConfig config;
  config.FontName = korainString(text_id::kDefaultFontName);
  return config;
}

}  // namespace korain
