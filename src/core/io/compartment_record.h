// The compartment part that ZEL blocks and hull-section blocks share.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "io/block_text_writer.h"
#include "io/field_reader.h"
#include "model/arrangement.h"
#include "model/record_fields.h"
#include "text/line_values.h"

namespace korain {

// The name of a record's first line: the text before its first TAB, trimmed.
void readCompartmentName(std::string_view line, Compartment& compartment);

// Lines 3 to 8 of a record, already parsed into fields. Table3 and Flag6, the
// values of the alternate-loading mode, are taken only when asked for.
enum class AlternateLoading { Absent, Present };
void readCompartmentLine(int line, FieldReader& fields, Compartment& compartment,
                         AlternateLoading alternate);

// The part's banners, its line count and the titles of the record lines.
void writeCompartmentPartHeader(BlockTextWriter& w);

// One record of eight lines and the separating comment line; line 2 carries
// the given node-list text.
void writeCompartmentRecord(BlockTextWriter& w, const Compartment& compartment,
                            std::string_view nodeListText);

}  // namespace korain
