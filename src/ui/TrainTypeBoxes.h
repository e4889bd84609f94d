// The six train-type check boxes of the journey window and the station board:
// 高铁/城际, 动车, 直达, 特快, 快速, 其他.
#pragma once

#include <array>

#include "journey/JourneyTimetable.h"

class QCheckBox;
class QHBoxLayout;
class QWidget;

namespace kw {

using TypeBoxes = std::array<QCheckBox*, 6>;

// Makes the boxes (cheType0 .. cheType5), all checked, children of `parent`,
// and adds them to `row` after the label 车型.
void AddTypeBoxes(QWidget* parent, QHBoxLayout& row, TypeBoxes& boxes);

// The train types the checked boxes stand for (高铁/城际 takes G and C).
TrainTypes CheckedTypes(const TypeBoxes& boxes);

}  // namespace kw
