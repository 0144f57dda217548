// The comment lines of an arrangement block saved now, with today's date and time.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "write_context_now.h"

#include <QDateTime>

#include "text/text_utils.h"

namespace korain {

ZelWriteContext zelWriteContextNow(const IdentificationConfig& config) {
  ZelWriteContext context = zelWriteContext(config);
  const QDateTime now = QDateTime::currentDateTime();
  const QDate today = now.date();
  context.date = dateText({today.year(), today.month(), today.day()});
  context.time = now.time().toString("HH:mm:ss").toStdString();
  return context;
}

}  // namespace korain
