// The corrugation panel's controls, built from its form table and filled from the current bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_corr.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "main/toolbar_icons.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

// The sketch of what S1, a and d measure.
QLabel* corrugationSketch(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName("PIC_Corr");
  label->setPixmap(picturePixmap(QStringLiteral("corrugation_sketch")));
  return label;
}

}  // namespace

FM_Corr::FM_Corr(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Corrugation, SelectorUse::Shown, parent) {
  setObjectName("FM_Corr");
  buildControls();
}

void FM_Corr::buildControls() {
  controls_ = new QWidget(this);
  auto* layout = new QVBoxLayout(controls_);
  layout->setContentsMargins(0, 0, 0, 0);
  body()->addWidget(controls_);
  binder_ = new FormBinder(editor(), *controls_);
  const FormTable<Corrugation>& table = corrugationForm();

  auto* geometry = new QGroupBox("Geometry (m)", controls_);
  auto* grid = new QGridLayout(geometry);
  FormRows geometryRows(*geometry, *grid);
  for (const char* name : {"FTX_m_0", "FTX_m_1", "FTX_m_2", "FTX_m_3"}) {
    binder_->addRow(geometryRows, table, name);
  }
  geometryRows.addWide(corrugationSketch(geometry));
  layout->addWidget(geometry);

  auto* supports = new QGroupBox("Supports", controls_);
  auto* column = new QGridLayout(supports);
  FormRows supportRows(*supports, *column);
  for (const char* name : {"OP_Support_0", "OP_Support_1"}) {
    binder_->addRow(supportRows, table, name);
  }
  layout->addWidget(supports);
}

void FM_Corr::fillControls() {
  controls_->setEnabled(currentBulkhead() != nullptr);
  binder_->fill();
}

}  // namespace korain
