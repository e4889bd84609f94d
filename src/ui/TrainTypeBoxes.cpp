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

QString TypesLeftOutText(const TypeBoxes& boxes) {
  QStringList off;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (!boxes[i]->isChecked()) off << str::kJourneyTypeNames[i];
  }
  return off.isEmpty() ? QString() : str::kTypesLeftOut.arg(off.join(QStringLiteral("、")));
}

QLabel* NewTypesLeftOutLabel(QWidget* parent, const TypeBoxes& boxes) {
  auto* label = new QLabel(parent);
  label->setObjectName("lblTypesOff");
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
  label->setPalette(palette);
  const auto show = [label, boxes] {
    const QString text = TypesLeftOutText(boxes);
    label->setText(text);
    label->setVisible(!text.isEmpty());
  };
  for (QCheckBox* box : boxes) QObject::connect(box, &QCheckBox::toggled, label, show);
  show();
  return label;
}

TrainTypes CheckedTypes(const TypeBoxes& boxes) {
  TrainTypes types = 0;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i]->isChecked()) types |= kTypeGroups[i];
  }
  return types;
}

}  // namespace kw
