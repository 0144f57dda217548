// The print dialog: filled from the page set-up kept between prints, checked
// before it closes for printing or the preview.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_print.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "configuration_ranges.h"
#include "print/margin_checks.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

// The range is the one the configuration file is held to when it is read.
NumberField* numberField(const QString& name, const ValueRange& range, QWidget* parent) {
  auto* field = new NumberField(parent);
  field->setObjectName(name);
  field->setRange(range.minimum, range.maximum);
  if (range.whole) field->setWholeNumbers();
  return field;
}

QLineEdit* lineEdit(const char* name, QWidget* parent) {
  auto* line = new QLineEdit(parent);
  line->setObjectName(name);
  return line;
}

QComboBox* fontList(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->addItems(QFontDatabase::families());
  return list;
}

// A font the settings name but the machine lacks stays offered, so that it is kept.
void showFont(QComboBox& list, const std::string& font) {
  const QString name = QString::fromStdString(font);
  if (list.findText(name) < 0) list.insertItem(0, name);
  list.setCurrentIndex(list.findText(name));
}

// Margins are shown in centimetres to one decimal.
void showMargin(NumberField& field, double value) {
  field.showText(QString::number(value, 'f', 1));
}

// A page with its footer standing on the foot margin and the text stopping at
// the bottom margin, so that the two margins' captions read at a glance.
QLabel* footAndBottomPicture(QWidget* parent) {
  QPixmap picture(96, 120);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(8, 4, 80, 112);
    painter.setPen(QColor(120, 120, 120));
    for (int y = 14; y <= 78; y += 8) painter.drawLine(16, y, 80, y);
    painter.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    painter.drawLine(8, 88, 88, 88);  // bottom margin: the text stops here
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.drawLine(8, 104, 88, 104);  // foot margin: the footer stands here
    painter.setPen(Qt::black);
    painter.drawText(QRect(8, 92, 80, 10), Qt::AlignCenter, "footer");
  }
  auto* label = new QLabel(parent);
  label->setObjectName("PIC_FootBot");
  label->setPixmap(picture);
  label->setToolTip(
      "Bottom margin (blue): where the text stops; foot margin (red): where the "
      "footer stands, both from the foot of the printable page");
  return label;
}

}  // namespace

FM_Print::FM_Print(Editor& editor, const PrinterCatalogue& printers, ReportSettings settings,
                   QWidget* parent)
    : QDialog(parent), editor_(editor), printers_(printers), settings_(std::move(settings)) {
  setObjectName("FM_Print");
  setWindowTitle("Print");
  auto* columns = new QHBoxLayout;
  columns->addWidget(itemsBox());
  auto* right = new QVBoxLayout;
  right->addWidget(pageBox());
  right->addWidget(marginsBox());
  columns->addLayout(right);

  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  auto* preview = new QPushButton("&Preview", this);
  preview->setObjectName("BT_Preview");
  buttons->insertWidget(1, preview);
  connect(ok, &QPushButton::clicked, this, [this] { finish(Print); });
  connect(preview, &QPushButton::clicked, this, [this] { finish(Preview); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  fillControls();
}

QWidget* FM_Print::itemsBox() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  items_ = new QListWidget(box);
  items_->setObjectName("LI_Print");
  items_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (int i = 0; i < kReportItems; ++i) {
    items_->addItem(QString::fromStdString(reportItemName(i)));
  }
  // Wide enough for every item's whole name.
  items_->setMinimumWidth(items_->sizeHintForColumn(0) + 2 * items_->frameWidth());
  auto* caption = new QLabel("&Print :", box);
  caption->setBuddy(items_);
  layout->addWidget(caption);
  layout->addWidget(items_, 1);
  auto* row = new QHBoxLayout;
  const std::array<const char*, 2> captions = {"&All", "&None"};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    auto* button = new QPushButton(captions[i], box);
    button->setObjectName("BT_All_" + QString::number(i));
    row->addWidget(button);
    const bool all = i == 0;
    connect(button, &QPushButton::clicked, this,
            [this, all] { all ? items_->selectAll() : items_->clearSelection(); });
  }
  layout->addLayout(row);
  return box;
}

QWidget* FM_Print::pageBox() {
  auto* box = new QWidget(this);
  auto* form = new QFormLayout(box);
  printer_ = new QComboBox(box);
  printer_->setObjectName("CB_Printer");
  printer_->addItems(printers_.names());
  form->addRow("&Printer :", printer_);
  font_ = fontList("CB_Font", box);
  fontSize_ = numberField("TX_FontSize", config_range::kFontSize, box);
  // It shares its row and caption with the font's name.
  fontSize_->setCaption("Font size");
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(font_, 1);
  fontRow->addWidget(fontSize_);
  form->addRow("Font :", fontRow);
  symbol_ = fontList("CB_Symbol", box);
  form->addRow("S&ymbol font name :", symbol_);
  startPage_ = numberField("TX_StartPage", config_range::kStartPage, box);
  form->addRow("&Start page :", startPage_);
  userName_ = lineEdit("TX_User_0", box);
  form->addRow("&User name :", userName_);
  organisation_ = lineEdit("TX_User_1", box);
  form->addRow("Or&ganisation :", organisation_);
  return box;
}

QWidget* FM_Print::marginsBox() {
  auto* box = new QGroupBox("Margins", this);
  auto* layout = new QHBoxLayout(box);
  auto* form = new QFormLayout;
  margins_.foot = numberField("TX_Margin_0", config_range::kReportMargin, box);
  form->addRow("&Foot (cm) :", margins_.foot);
  margins_.bottom = numberField("TX_Margin_1", config_range::kReportMargin, box);
  form->addRow("&Bottom (cm) :", margins_.bottom);
  margins_.left = numberField("TX_Margin_2", config_range::kReportMargin, box);
  form->addRow("&Left (cm) :", margins_.left);
  layout->addLayout(form);
  layout->addWidget(footAndBottomPicture(box));
  return box;
}

void FM_Print::fillControls() {
  for (int i = 0; i < kReportItems; ++i) {
    items_->item(i)->setSelected(settings_.items[static_cast<std::size_t>(i)]);
  }
  const int printer = printer_->findText(QString::fromStdString(settings_.printer));
  printer_->setCurrentIndex(std::max(printer, 0));
  const PageSetup& setup = settings_.setup;
  showFont(*font_, setup.FontName);
  fontSize_->showValue(setup.FontSize);
  showFont(*symbol_, setup.SymbolFontName);
  startPage_->showValue(setup.FirstPage);
  userName_->setText(QString::fromStdString(setup.UserName));
  organisation_->setText(QString::fromStdString(setup.Organisation));
  showMargin(*margins_.foot, setup.FootMargin);
  showMargin(*margins_.bottom, setup.BottomMargin);
  showMargin(*margins_.left, setup.LeftMargin);
}

void FM_Print::getControls() {
  for (int i = 0; i < kReportItems; ++i) {
    settings_.items[static_cast<std::size_t>(i)] = items_->item(i)->isSelected();
  }
  settings_.printer = printer_->currentText().toStdString();
  PageSetup& setup = settings_.setup;
  setup.FontName = font_->currentText().toStdString();
  setup.FontSize = fontSize_->value();
  setup.SymbolFontName = symbol_->currentText().toStdString();
  setup.FirstPage = startPage_->wholeValue();
  setup.UserName = userName_->text().toStdString();
  setup.Organisation = organisation_->text().toStdString();
  setup.FootMargin = margins_.foot->value();
  setup.BottomMargin = margins_.bottom->value();
  setup.LeftMargin = margins_.left->value();
}

bool FM_Print::confirmed(Outcome outcome) {
  if (const std::optional<std::string> problem = reportSelectionProblem(settings_.items)) {
    editor_.prompt().showMessage(*problem);
    return false;
  }
  // The preview's pages have no printer's margins to keep.
  if (outcome == Preview) return true;
  const double smallest = printers_.smallestMargin(printer_->currentText());
  // Asked in turn until one is not answered Ok.
  const std::vector<std::string> questions = marginQuestions(settings_.setup, smallest);
  return std::all_of(questions.begin(), questions.end(), [this](const std::string& question) {
    return editor_.prompt().ask(question, Choices::OkCancel) == Answer::Yes;
  });
}

void FM_Print::finish(Outcome outcome) {
  if (!settleNumberFields(*this)) return;
  getControls();
  if (confirmed(outcome)) done(outcome);
}

}  // namespace korain
