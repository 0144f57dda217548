// The compartment part that ZEL blocks and hull-section blocks share.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/compartment_record.h"

#include "io/database_texts.h"
#include "io/zel_columns.h"
#include "io/zel_format.h"
#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {

void readCompartmentName(std::string_view line, Compartment& compartment) {
  takeText(compartment, 1, trimmed(line.substr(0, line.find('\t'))));
}

void readCompartmentLine(int line, FieldReader& fields, Compartment& c,
                         AlternateLoading alternate) {
  // Lines 1 and 2 depend on the block; lines beyond 8 carry nothing yet.
  if (line < 3) return;
  takeLine(fields, c, line, {.alternateLoading = alternate == AlternateLoading::Present});
}

void writeCompartmentPartHeader(BlockTextWriter& w) {
  const DatabaseTexts& texts = DatabaseTexts::get();
  w.comment();
  w.line(texts.compartmentPartBanner);
  w.comment(korainString(text_id::kCompartmentLineCountTitle));
  w.number(Long{kCompartmentLineCount}).endLine();
  w.comment();
  w.line(texts.compartmentsBanner);
  w.comment(korainString(text_id::kNameColumnTitle));
  for (Long title = text_id::kCompartmentLine2Title; title <= text_id::kCompartmentLine8Title;
       ++title) {
    w.comment(korainString(title));
  }
}

// Every value of a record line is followed by a TAB; the last line ends with
// the comment marker.
void writeCompartmentRecord(BlockTextWriter& w, const Compartment& c,
                            std::string_view nodeListText) {
  ColumnWriter(w, Tabs::After).write(c, 1);
  w.endLine();
  w.text(nodeListText).tab().endLine();
  for (int line = 3; line <= kCompartmentLineCount; ++line) {
    ColumnWriter(w, Tabs::After).write(c, line);
    if (line == kCompartmentLineCount) w.text(DatabaseTexts::get().commentMarker);
    w.endLine();
  }
  w.comment();
}

}  // namespace korain
