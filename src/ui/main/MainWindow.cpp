#include "ui/main/MainWindow.h"

#include "ui/Strings.h"

namespace kw {

MainWindow::MainWindow(Database& db, QWidget* parent) : QMainWindow(parent), db_(db) {
  setObjectName("frmMain");
  setWindowTitle(str::kProductTitle);
  resize(800, 600);
}

}  // namespace kw
