// Where a window of the program opens, and the icon it carries.
#pragma once

#include <QIcon>

class QWidget;

namespace kw {

// The program's icon, date/main.ico.
QIcon ProgramIcon();

// Gives `window` the program's icon (the application's, once start-up has
// set it), makes it no larger than the screen's available area (with room
// for the window manager's frame) and moves it so that it stands centred on
// `owner` when that is shown, else on the screen, and wholly on the screen.
// Call before showing the window.
void CentreWindow(QWidget& window, const QWidget* owner);

// Shrinks `window` to the available area of its screen and moves it wholly
// onto it: for a size and place restored from another run, perhaps on a
// larger screen.
void KeepOnScreen(QWidget& window);

}  // namespace kw
