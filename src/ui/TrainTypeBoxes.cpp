#include "ui/TrainTypeBoxes.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/Strings.h"

namespace kw {

namespace {

// The types of each box, in order.
constexpr TrainTypes kTypeGroups[6] = {TypeBit(TrainType::G) | TypeBit(TrainType::C),
                                       TypeBit(TrainType::D),
                                       TypeBit(TrainType::Z),
                                       TypeBit(TrainType::T),
                                       TypeBit(TrainType::K),
                                       TypeBit(TrainType::Other)};

}  // namespace

void AddTypeBoxes(QWidget* parent, QHBoxLayout& row, TypeBoxes& boxes) {
  row.addWidget(new QLabel(str::kJourneyTypes, parent));
  for (size_t i = 0; i < boxes.size(); ++i) {
    boxes[i] = new QCheckBox(str::kJourneyTypeNames[i], parent);
    boxes[i]->setObjectName(QStringLiteral("cheType%1").arg(i));
    boxes[i]->setChecked(true);
    row.addWidget(boxes[i]);
  }
}

TrainTypes CheckedTypes(const TypeBoxes& boxes) {
  TrainTypes types = 0;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i]->isChecked()) types |= kTypeGroups[i];
  }
  return types;
}

}  // namespace kw
