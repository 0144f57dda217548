// Filling a list with the ship's materials, and showing a code as its item.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/material_list.h"

#include <QStringList>

#include "ship/ship_queries.h"

namespace korain {

void fillMaterialList(QComboBox& list, const ShipData& ship) {
  QStringList names;
  for (const ShipMaterial& material : shipMaterials(ship)) {
    names << QString::fromStdString(material.Name);
  }
  QStringList shown;
  for (int i = 0; i < list.count(); ++i) shown << list.itemText(i);
  if (shown == names) return;
  list.clear();
  list.addItems(names);
}

void showCode(QComboBox& list, Long code) {
  list.setCurrentIndex(code >= 0 && code < list.count() ? static_cast<int>(code) : -1);
}

}  // namespace korain
