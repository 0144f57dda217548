// The note of the labels that found no room on a drawing: listed on paper,
// counted on screen, so that none is lost without a word.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "label_layout.h"

namespace korain {

// The note's lines, none wider than `width` unless one text alone is: the
// heading, then, where every label is kept, each distinct text once with its
// count after it when it went without room more than once; on screen only
// their number. No line for no label.
QStringList labelNoteLines(const QStringList& homeless, LabelPolicy policy, const QFont& font,
                           double width);

}  // namespace korain
