#include "dialogs/fm_new_zel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/ok_cancel.h"

namespace korain {

FM_NewZel::FM_NewZel(Editor& editor, const QString& menuCaption, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setObjectName("FM_NewZel");
  setWindowTitle(newZelCaption(menuCaption));
  setModal(true);

  auto* direct = new QRadioButton("Direct input", this);
  direct->setObjectName("OP_BasedOn_0");
  direct->setChecked(true);
  x_ = new NumberField(this);
  x_->setObjectName("FTX_m");
  // Without a section to take it from, the arrangement starts amidships.
  x_->showValue(editor_.session().ship().L / 2.0);
  const auto [ok, cancel, buttons] = makeOkCancel(*this);

  auto* location = new QFormLayout;
  location->addRow("Longitudinal location (X from APP) :", x_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(direct);
  layout->addLayout(location);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &FM_NewZel::confirm);
  connect(cancel, &QPushButton::clicked, this, &FM_NewZel::reject);
}

void FM_NewZel::confirm() {
  arrangement_.clear();
  arrangement_.X = static_cast<Single>(x_->value());
  accept();
}

QString newZelCaption(const QString& menuCaption) {
  QString caption;
  for (qsizetype i = 0; i < menuCaption.size(); ++i) {
    if (menuCaption[i] != '&') {
      caption += menuCaption[i];
    } else if (i + 1 < menuCaption.size() && menuCaption[i + 1] == '&') {
      caption += '&';
      ++i;
    }
  }
  return caption + " Bulkhead Arrangement";
}

}  // namespace korain
