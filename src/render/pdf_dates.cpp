// Setting a PDF's dates and document identifier, and saving it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_dates.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include "saved_file.h"

namespace korain {
namespace {

// Replaces every match of `pattern` by what `replacement` makes of it, which
// must be as long.
template <typename Make>
void replaceAll(QByteArray& pdf, const QRegularExpression& pattern, Make replacement) {
  const QString text = QString::fromLatin1(pdf);
  QRegularExpressionMatchIterator matches = pattern.globalMatch(text);
  while (matches.hasNext()) {
    const QRegularExpressionMatch match = matches.next();
    const QByteArray by = replacement(match).toLatin1();
    if (by.size() == match.capturedLength()) pdf.replace(match.capturedStart(), by.size(), by);
  }
}

// A date in the PDF's own form, "D:YYYYMMDDHHmmSS" and a zone: "Z" or "+hh'mm'".
QString pdfDate(const QDateTime& utc, qsizetype zoneLength) {
  return utc.toString(QStringLiteral("'D:'yyyyMMddHHmmss")) +
         (zoneLength == 1 ? QStringLiteral("Z") : QStringLiteral("+00'00'"));
}

// An ISO 8601 date as XMP writes it, "...T15:52:41" and "Z" or "+00:00".
QString xmpDate(const QDateTime& utc, qsizetype zoneLength) {
  return utc.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) +
         (zoneLength == 1 ? QStringLiteral("Z") : QStringLiteral("+00:00"));
}

}  // namespace

QByteArray withFixedDates(QByteArray pdf, const QDateTime& when) {
  const QDateTime utc = when.toUTC();
  static const QRegularExpression kPdfDate(QStringLiteral("D:\\d{14}(Z|[+-]\\d\\d'\\d\\d')"));
  replaceAll(pdf, kPdfDate,
             [&](const QRegularExpressionMatch& m) { return pdfDate(utc, m.capturedLength(1)); });
  static const QRegularExpression kXmpDate(
      QStringLiteral("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)"));
  replaceAll(pdf, kXmpDate,
             [&](const QRegularExpressionMatch& m) { return xmpDate(utc, m.capturedLength(1)); });
  // The identifiers, random at each run, are zeroed, then all take the
  // digest of the document without them.
  static const QRegularExpression kHexId(QStringLiteral("<[0-9a-fA-F]{32}>"));
  static const QRegularExpression kUuid(
      QStringLiteral("uuid:[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}"));
  const auto identifiers = [&](const QString& hex) {
    const QString id = '<' + hex + '>';
    const QString uuid =
        QStringLiteral("uuid:%1-%2-%3-%4-%5")
            .arg(hex.mid(0, 8), hex.mid(8, 4), hex.mid(12, 4), hex.mid(16, 4), hex.mid(20, 12));
    replaceAll(pdf, kHexId, [&](const QRegularExpressionMatch&) -> const QString& { return id; });
    replaceAll(pdf, kUuid, [&](const QRegularExpressionMatch&) -> const QString& { return uuid; });
  };
  identifiers(QString(32, '0'));
  identifiers(QString::fromLatin1(QCryptographicHash::hash(pdf, QCryptographicHash::Md5).toHex()));
  return pdf;
}

bool savePdf(const std::string& path, const QByteArray& pdf,
             const std::optional<QDateTime>& created, std::string& error) {
  return saveBytes(path, created ? withFixedDates(pdf, *created) : pdf, error);
}

}  // namespace korain
