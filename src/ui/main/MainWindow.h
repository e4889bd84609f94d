// The main query window, frmMain.
#pragma once

#include <QMainWindow>

namespace kw {

class Database;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Database& db, QWidget* parent = nullptr);

 private:
  Database& db_;
};

}  // namespace kw
