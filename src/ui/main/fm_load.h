// The splash form shown while the editor starts.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include "model/versions.h"

namespace korain {

// A frameless window on top of the others, centred on the screen: the product
// picture, the application title, the version text and, for an experimental
// build, the warning that its results are not for official use.
class FM_Load : public QWidget {
  Q_OBJECT

 public:
  explicit FM_Load(const QString& title, QWidget* parent = nullptr,
                   const ProgramVersion& version = kProgramVersion);
};

}  // namespace korain
