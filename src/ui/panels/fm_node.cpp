// The node panel's controls, filled from the current node, and its changes and commands.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_node.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <string>
#include <utility>

#include "edit/paste_edits.h"
#include "edit/selection_edits.h"
#include "panels/form_rows.h"
#include "panels/step_buttons.h"
#include "view/forms/forms.h"
#include "view/item_panel_states.h"
#include "view/node_table.h"
#include "view/world_window.h"
#include "widgets/number_cell_delegate.h"
#include "widgets/number_field.h"
#include "widgets/refusal_notice.h"
#include "widgets/table_clipboard.h"
#include "widgets/typed_number.h"

namespace korain {
namespace {

constexpr char kPasteNodes[] = "Paste nodes";
// The node's number leads its row, read only; the node's values follow.
constexpr int kFirstValueColumn = 1;

void showCell(QTableWidget& table, int row, int column, const QString& text) {
  QTableWidgetItem* item = table.item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem(text);
    if (column < kFirstValueColumn) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    table.setItem(row, column, item);
  } else if (item->text() != text) {
    item->setText(text);
  }
}

}  // namespace

FM_Node::FM_Node(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Nodes, SelectorUse::Shown, parent) {
  setObjectName("FM_Node");
  buildControls();
}

void FM_Node::buildControls() {
  controls_ = new QWidget(this);
  auto* grid = new QGridLayout(controls_);
  grid->setContentsMargins(0, 0, 0, 0);
  body()->addWidget(controls_);
  FormRows rows(*controls_, *grid);
  binder_ = new FormBinder(editor(), *controls_);
  const FormTable<Node>& table = nodeForm();

  number_ = new QLabel(controls_);
  number_->setObjectName("LB_Plate");
  auto* stepRow = new QHBoxLayout;
  stepRow->addWidget(number_, 1);
  steps_ = addStepButtons(controls_, *stepRow, "BT_Inode", "node", [this](int direction) {
    moveSelection(
        [direction](Selection& s, const Bulkhead& b) { chooseNode(s, b.CurNode + direction); });
  });
  rows.add("Node :", stepRow, nullptr);
  for (const char* name : {"FTX_m_0", "FTX_m_1", "SS_Curve"}) binder_->addRow(rows, table, name);

  segment_ = new QLabel("(first node)", controls_);
  segment_->setObjectName("LB_FirstNode");
  segment_->setWordWrap(true);
  rows.addWide(segment_);

  circle_ = new QGroupBox("Circle data", controls_);
  circle_->setObjectName("PAN_Circle");
  FormRows circleRows(*circle_, *new QGridLayout(circle_));
  for (const char* name : {"FTX_m_2", "FTX_m_3", "FTX_m_4"}) {
    binder_->addRow(circleRows, table, name);
  }
  rows.addWide(circle_);
  buildTable();
}

void FM_Node::buildTable() {
  table_ = new QTableWidget(0, kFirstValueColumn + static_cast<int>(kNodeColumns.size()), this);
  table_->setObjectName("TB_Nodes");
  QStringList headings{"Node"};
  for (const NodeColumn& column : kNodeColumns) {
    headings << QString::fromUtf8(column.heading.data(),
                                  static_cast<qsizetype>(column.heading.size()));
  }
  table_->setHorizontalHeaderLabels(headings);
  // Each value whole, on one line: a narrow panel scrolls the table across
  // rather than cut a coordinate, and the table never widens the panel area.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setWordWrap(false);
  table_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  table_->setItemDelegate(new NumberCellDelegate(table_));
  table_->setMinimumHeight(160);
  body()->addWidget(table_, 1);
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (editor().refreshing() || row < 0) return;
    moveSelection([row](Selection& s, const Bulkhead&) { chooseNode(s, row + 1); });
  });
  connect(table_, &QTableWidget::cellChanged, this, &FM_Node::cellCommitted);
  TableClipboard::attach(
      *table_, [this] { return copiedRows(); }, [this](const QString& text) { pasteRows(text); });
}

void FM_Node::fillControls() {
  const NodePanelState state = nodePanelState(currentBulkhead());
  controls_->setEnabled(state.Steps.Current != 0);
  steps_.enable(state.Steps.Previous, state.Steps.Next);
  number_->setText(state.Steps.Current == 0 ? QString() : QString::number(state.Steps.Current));
  binder_->fill();
  segment_->setText(QString::fromStdString(state.Segment));
  circle_->setVisible(state.CircleShown);
  fillTable(currentBulkhead());
}

void FM_Node::fillTable(const Bulkhead* bulkhead) {
  // Showing the model is no edit of a cell and no move to another node.
  const QSignalBlocker quiet(table_);
  const int count = bulkhead == nullptr ? 0 : bulkhead->Nodes.count();
  table_->setEnabled(bulkhead != nullptr);
  table_->setRowCount(count);
  const std::vector<std::vector<float>> rows =
      count == 0 ? std::vector<std::vector<float>>{} : nodeTableRows(*bulkhead, 1, count);
  for (int row = 0; row < count; ++row) {
    const std::vector<float>& values = rows[static_cast<std::size_t>(row)];
    showCell(*table_, row, 0, QString::number(row + 1));
    for (std::size_t value = 0; value < values.size(); ++value) {
      showCell(*table_, row, kFirstValueColumn + static_cast<int>(value),
               numberFieldText(values[value]));
    }
  }
  // The current node's row is current; rows chosen around it stay chosen.
  const int current = count == 0 ? -1 : bulkhead->CurNode - 1;
  if (table_->currentRow() != current) {
    table_->setCurrentCell(current, std::max(table_->currentColumn(), kFirstValueColumn));
  }
}

void FM_Node::cellCommitted(int row, int column) {
  if (editor().refreshing() || currentBulkhead() == nullptr || column < kFirstValueColumn) return;
  QTableWidgetItem* item = table_->item(row, column);
  bool isNumber = false;
  const double value = typedNumber(item->text(), isNumber);
  if (!isNumber) {
    const QString refusal =
        table_->horizontalHeaderItem(column)->text() + " : " + notANumberReason(item->text());
    fillTable(currentBulkhead());
    announceRefusal(*table_, refusal);
    return;
  }
  if (currentBulkhead()->CurNode != row + 1) {
    moveSelection([row](Selection& s, const Bulkhead&) { chooseNode(s, row + 1); });
  }
  const FormRow<Node>& field = nodeColumnRow(static_cast<std::size_t>(column - kFirstValueColumn));
  editor().change(formChange(nodeForm(), field, value, {}, arrangement()));
}

QString FM_Node::copiedRows() const {
  const ChosenRows chosen = chosenRows(*table_);
  if (chosen.count == 0 || currentBulkhead() == nullptr) return {};
  return QString::fromStdString(writeCopiedTable(
      nodeTableRows(*currentBulkhead(), chosen.first, chosen.first + chosen.count - 1)));
}

// The pasted rows replace the chosen ones; with none chosen they follow the last node.
void FM_Node::pasteRows(const QString& text) {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr) return;
  const std::optional<std::vector<PastedRow>> rows = readPaste(editor(), text, kNodeRowShape);
  if (!rows) return;
  const ChosenRows chosen = chosenRows(*table_);
  const PasteTarget target{.first = chosen.count == 0 ? bulkhead->Nodes.count() + 1 : chosen.first,
                           .count = chosen.count};
  auto nodes = pastedNodes(*bulkhead, target, *rows);
  if (auto* refusal = std::get_if<PasteRefusal>(&nodes)) {
    reportPasteRefusal(editor(), *refusal);
    return;
  }
  changeBulkhead(kPasteNodes, [target, pasted = std::get<std::vector<Node>>(std::move(nodes))](
                                  Bulkhead& b) { pasteNodes(b, target, pasted); });
}

EditOutcome FM_Node::addItem(Arrangement& a) {
  Bulkhead& bulkhead = currentOf(a);
  const Session& s = session();
  takeSectionSize(a, fullExtent(a, s.hullSection(), s.ship()));
  const PickSettings pick{editor().pickTolerance(), s.display().ObjectMask, code()};
  const NodePlace place = findNewNodePlace(a, bulkhead, bulkhead.Nodes.count(), pick, random_);
  addNode(bulkhead, place);
  if (place.free || !s.run().DebugMode) return {};
  return {.notices = {"Could not find a place for a new node !"}};
}

EditOutcome FM_Node::insertItem(Arrangement& a) {
  Bulkhead& bulkhead = currentOf(a);
  // Insert acts only while a node is current; without one it has nothing to go before.
  if (!bulkhead.Nodes.inBounds(bulkhead.CurNode)) return {};
  return insertNodeBefore(bulkhead, bulkhead.CurNode);
}

EditOutcome FM_Node::removeItem(Arrangement& a) { return removeNode(currentOf(a)); }

}  // namespace korain
