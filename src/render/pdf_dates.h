// A PDF written by Qt made reproducible: its creation dates set to a given
// time and its document identifier derived from its content, in place, so
// that the same drawing gives the same bytes (under SOURCE_DATE_EPOCH).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <optional>
#include <string>

namespace korain {

// The PDF's dates (information dictionary and XMP metadata) become `when`
// in UTC and its identifiers a digest of the rest; every replacement keeps
// its length, so the cross-reference table stays right.
QByteArray withFixedDates(QByteArray pdf, const QDateTime& when);

// Saves the PDF's bytes under `path` in one step, dated `created` when given;
// false with the reason in `error`, nothing left behind.
bool savePdf(const std::string& path, const QByteArray& pdf,
             const std::optional<QDateTime>& created, std::string& error);

}  // namespace korain
