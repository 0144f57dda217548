// The splash form: product picture, title, version and the warnings of an experimental build.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/fm_load.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "main/toolbar_icons.h"
#include "text/text_utils.h"

namespace korain {
namespace {

constexpr int kPictureSide = 128;

// Builds from revision 2000 on are experimental.
bool isExperimental(const ProgramVersion& version) { return version.revision >= 2000; }

QLabel* addLabel(QVBoxLayout& column, const QString& name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  column.addWidget(label);
  return label;
}

void makeBold(QLabel& label, double scale) {
  QFont font = label.font();
  font.setPointSizeF(font.pointSizeF() * scale);
  font.setBold(true);
  label.setFont(font);
}

QLabel* productPicture() {
  auto* picture = new QLabel;
  picture->setObjectName(QStringLiteral("IM_Kora"));
  picture->setPixmap(iconPixmap(QStringLiteral("korain"), kPictureSide));
  return picture;
}

void addWarnings(QVBoxLayout& column) {
  column.addSpacing(12);
  for (const auto& [name, text] :
       {std::pair{QStringLiteral("LB_Warning1"), QStringLiteral("WARNING: Experimental version")},
        std::pair{QStringLiteral("LB_Warning2"),
                  QStringLiteral("DO NOT USE FOR OFFICIAL CALCULATIONS")}}) {
    QLabel* warning = addLabel(column, name, text);
    warning->setStyleSheet(QStringLiteral("color: #b00020;"));
    makeBold(*warning, 1.0);
  }
}

// The title, the version text and, for an experimental build, its warnings, top to bottom.
QVBoxLayout* textColumn(const QString& title, const ProgramVersion& version) {
  auto* column = new QVBoxLayout;
  // A nested layout would take the wide spacing of the row.
  column->setSpacing(6);
  makeBold(*addLabel(*column, QStringLiteral("LB_Title"), title), 1.8);
  // The splash never shows in debug mode, so the version text is the user's one.
  addLabel(*column, QStringLiteral("LB_Version"), QString::fromStdString(versionText(version)));
  addLabel(*column, QStringLiteral("LB_32bits"), QStringLiteral("32 bits"));
  if (isExperimental(version)) addWarnings(*column);
  column->addStretch();
  return column;
}

}  // namespace

FM_Load::FM_Load(const QString& title, QWidget* parent, const ProgramVersion& version)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("FM_Load"));
  setWindowTitle(title);

  // Without a window frame, a plain border keeps the splash apart from what lies behind.
  auto* frame = new QFrame;
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);

  auto* row = new QHBoxLayout(frame);
  row->setContentsMargins(24, 24, 32, 24);
  row->setSpacing(24);
  row->addWidget(productPicture(), 0, Qt::AlignTop);
  row->addLayout(textColumn(title, version));

  adjustSize();
  if (const QScreen* display = screen())
    move(display->availableGeometry().center() - rect().center());
}

}  // namespace korain
