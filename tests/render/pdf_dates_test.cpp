// A PDF's dates and identifiers made fixed: two files that differ only in
// them become the same bytes, each as long as before.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_dates.h"

#include <gtest/gtest.h>

namespace korain::testing {
namespace {

QByteArray pdfWritten(const char* date, const char* xmpDate, const char* id, const char* uuid) {
  return QByteArray("%PDF-1.4\n<< /Title (Bulkhead) /CreationDate (") + date +
         ") >>\n<x:xmpmeta><xmp:CreateDate>" + xmpDate + "</xmp:CreateDate><xmpMM:DocumentID>" +
         uuid + "</xmpMM:DocumentID></x:xmpmeta>\ntrailer << /ID [ <" + id + "> <" + id +
         "> ] >>\n";
}

TEST(PdfDates, RunsApartGiveTheSameBytes) {
  const QDateTime when = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
  const QByteArray first =
      pdfWritten("D:20261207155241+01'00'", "2026-12-07T15:52:41+01:00",
                 "0123456789abcdef0123456789abcdef", "uuid:01234567-89ab-cdef-0123-456789abcdef");
  const QByteArray second =
      pdfWritten("D:20261208091502+02'00'", "2026-12-08T09:15:02+02:00",
                 "fedcba9876543210fedcba9876543210", "uuid:fedcba98-7654-3210-fedc-ba9876543210");
  const QByteArray fixed = withFixedDates(first, when);
  EXPECT_EQ(fixed, withFixedDates(second, when));
  EXPECT_EQ(fixed.size(), first.size());
  EXPECT_TRUE(fixed.contains("D:20231114221320+00'00'")) << fixed.constData();
  EXPECT_TRUE(fixed.contains("2023-11-14T22:13:20+00:00"));
  EXPECT_FALSE(fixed.contains("0123456789abcdef"));
}

TEST(PdfDates, UtcDatesKeepTheirShortForm) {
  const QByteArray utc =
      pdfWritten("D:20261208091502Z", "2026-12-08T09:15:02Z", "fedcba9876543210fedcba9876543210",
                 "uuid:fedcba98-7654-3210-fedc-ba9876543210");
  const QByteArray fixed = withFixedDates(utc, QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
  EXPECT_EQ(fixed.size(), utc.size());
  EXPECT_TRUE(fixed.contains("D:19700101000000Z"));
  EXPECT_TRUE(fixed.contains("1970-01-01T00:00:00Z"));
}

}  // namespace
}  // namespace korain::testing
