// The bulkhead panel: name, type, plating material, stiffener direction and
// side, and the two stools of the current bulkhead; adds and removes bulkheads.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <array>

#include "panels/panel.h"
#include "widgets/commit_field.h"
#include "widgets/number_field.h"

namespace korain {

class FM_Bh : public Panel {
  Q_OBJECT

 public:
  explicit FM_Bh(Editor& editor, QWidget* parent = nullptr);

  void refreshControls() override;
  bool canAdd() const override { return true; }
  bool canRemove() const override { return arrangement().Bulkheads.count() > 0; }
  void addItem() override;
  void removeItem() override;

 private:
  // What follows a change of the bulkhead's data: the whole refresh cycle, or
  // only the caption for fields that change neither geometry nor drawing.
  enum class Follow { RefreshAll, CaptionOnly };

  void buildControls();
  // Refills the material list when the ship's materials differ from it (another
  // database may have been opened since).
  void fillMaterials();
  void showNoBulkhead();
  void refreshStoolControls(Bulkhead& bulkhead);
  void getControls(Bulkhead& bulkhead) const;
  void getStoolOptions(Bulkhead& bulkhead) const;

  // The common change handler; false when it did nothing (the panel was being
  // filled, or there is no bulkhead).
  bool changeData(Follow follow);
  void stoolClicked();
  void upperStoolSlopedClicked(bool ticked);

  // The arrangement as the protocol's questions read it.

  QWidget* form_ = nullptr;
  CommitField* name_ = nullptr;
  QComboBox* type_ = nullptr;
  QComboBox* material_ = nullptr;
  QComboBox* direction_ = nullptr;
  QComboBox* side_ = nullptr;
  std::array<QCheckBox*, 2> stool_{};
  std::array<QLabel*, 2> stoolZLabel_{};
  std::array<NumberField*, 2> stoolZ_{};
  QCheckBox* upperStoolSloped_ = nullptr;
};

}  // namespace korain
