// The about box: what program this is, which version and rules, and on what terms.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "main/toolbar_icons.h"
#include "model/versions.h"
#include "source_revision.h"

namespace korain {
namespace {

constexpr int kPictureSide = 96;

QLabel* addLabel(QVBoxLayout& column, const QString& name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  column.addWidget(label);
  return label;
}

// The program's name, version, rules edition and terms, one under the other.
QString versionLine(bool debugMode) {
  QString line = QStringLiteral("Version ") + QString::fromUtf8(kReleaseVersion);
  if (debugMode) line += QStringLiteral(", revision ") + QString::fromUtf8(kSourceRevision);
  return line;
}

QVBoxLayout* aboutTexts(const QString& title, bool debugMode) {
  auto* column = new QVBoxLayout;
  // A nested layout would take the wide spacing of the row.
  column->setSpacing(6);
  QLabel* name = addLabel(*column, QStringLiteral("LB_Title"), title);
  QFont font = name->font();
  font.setPointSizeF(font.pointSizeF() * 1.4);
  font.setBold(true);
  name->setFont(font);
  addLabel(*column, QStringLiteral("LB_Version"), versionLine(debugMode));
  // The rules whose checks the program applies; no version constant of the model
  // names their edition.
  addLabel(*column, QStringLiteral("LB_Rules"), QStringLiteral("Rules edition: 2026"));
  column->addSpacing(12);
  QLabel* legal = addLabel(*column, QStringLiteral("LB_Legal"),
                           QStringLiteral("\u00a9 2026 Korain developers. Provided without "
                                          "warranty; results must be checked by a qualified "
                                          "engineer."));
  legal->setWordWrap(true);
  legal->setMinimumWidth(300);
  column->addStretch();
  return column;
}

}  // namespace

QDialog* makeAboutBox(QWidget* parent, const QString& title, bool debugMode) {
  auto* box = new QDialog(parent);
  box->setObjectName(QStringLiteral("FM_About"));
  box->setWindowTitle(QStringLiteral("About"));

  auto* row = new QHBoxLayout;
  row->setSpacing(20);
  auto* picture = new QLabel;
  picture->setObjectName(QStringLiteral("IM_Kora"));
  picture->setPixmap(iconPixmap(QStringLiteral("korain"), kPictureSide));
  row->addWidget(picture, 0, Qt::AlignTop);

  row->addLayout(aboutTexts(title, debugMode));

  auto* close = new QPushButton(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("BT_Close"));
  close->setDefault(true);
  QObject::connect(close, &QPushButton::clicked, box, &QDialog::accept);

  auto* layout = new QVBoxLayout(box);
  layout->addLayout(row);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  return box;
}

void showAboutBox(QWidget* parent, const QString& title, bool debugMode) {
  const std::unique_ptr<QDialog> box(makeAboutBox(parent, title, debugMode));
  box->exec();
}

}  // namespace korain
