// Time boxes that take digits typed one after another, as a traveller types
// a time, into the section the cursor is in. In the hour section: the hour
// (two digits when they make one, else one), then on into the minutes, a
// single digit as tens: "8" sets the hour to 08 and keeps the minutes, "083"
// and "830" give 08:30, "2359" 23:59. In the minute section (clicked, or
// reached by Tab, ':' or Right): the minutes alone, "4" :04, "45" :45. A ':'
// moves from the hours to the minutes, so "8:15" gives 08:15. A digit that
// would make no time starts over from itself.
#pragma once

class QTimeEdit;

namespace kw {

// From now on, digits typed into `box` set its time as they come.
void TakeTypedTimes(QTimeEdit* box);

}  // namespace kw
