// Time boxes that take digits typed one after another, as a traveller types
// a time: the hour (two digits when they make one, else one), then the
// minutes, a single digit as tens. "8" and "08" set 08:00, "083" and "830"
// 08:30, "2359" 23:59; a digit that would make no time starts over.
#pragma once

class QTimeEdit;

namespace kw {

// From now on, digits typed into `box` set its time as they come.
void TakeTypedTimes(QTimeEdit* box);

}  // namespace kw
