// The six train-type check boxes of the journey window and the station board:
// 高铁/城际, 动车, 直达, 特快, 快速, 其他.
#pragma once

#include <QString>
#include <array>

#include "journey/JourneyTimetable.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace kw {

using TypeBoxes = std::array<QCheckBox*, 6>;

// Makes the boxes (cheType0 .. cheType5), all checked, children of `parent`,
// and adds them to `row` after the label 车型.
void AddTypeBoxes(QWidget* parent, QHBoxLayout& row, TypeBoxes& boxes);

// The train types the checked boxes stand for (高铁/城际 takes G and C).
TrainTypes CheckedTypes(const TypeBoxes& boxes);

// "未选车型：高铁/城际、动车（…）": the boxes not checked; empty when all are.
QString TypesLeftOutText(const TypeBoxes& boxes);

// A label, lblTypesOff, child of `parent`, that names the types left out
// while any box is not checked and is hidden while all are, so that a list
// never hides a filter switched off days before.
QLabel* NewTypesLeftOutLabel(QWidget* parent, const TypeBoxes& boxes);

}  // namespace kw
