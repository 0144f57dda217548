// The title block's program-given lines filled from today's date, the user and the machine.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_block_now.h"

#include <QDate>

#include "identity.h"
#include "model/program_version.h"

namespace korain {
namespace {

// The makers of the drawing among the identification values.
TitleBlockMakers titleBlockMakers(const IdentificationConfig& identification) {
  return {.Company = identification.Company,
          .Department = identification.Department,
          .Project = identification.Project,
          .DrawnBy = identification.DrawnBy,
          .CheckedBy = identification.CheckedBy};
}

}  // namespace

TitleBlockInput titleBlockInputNow(Integer shownObjectKind,
                                   const IdentificationConfig& identification) {
  const QDate today = QDate::currentDate();
  TitleBlockInput input;
  input.Version = std::string(kReleaseVersion);
  input.Date = dateText({today.year(), today.month(), today.day()});
  input.ShownObjectKind = shownObjectKind;
  input.LoginName = loginName();
  input.ComputerName = computerName();
  input.Makers = titleBlockMakers(identification);
  return input;
}

}  // namespace korain
