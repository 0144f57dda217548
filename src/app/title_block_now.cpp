// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_block_now.h"

#include <QDate>

#include "identity.h"
#include "model/versions.h"

namespace korain {

TitleBlockInput titleBlockInputNow(Integer shownObjectKind) {
  const QDate today = QDate::currentDate();
  TitleBlockInput input;
  input.Version = kProgramVersion;
  input.Date = dateText({today.year(), today.month(), today.day()});
  input.ShownObjectKind = shownObjectKind;
  input.LoginName = loginName();
  input.ComputerName = computerName();
  return input;
}

}  // namespace korain
