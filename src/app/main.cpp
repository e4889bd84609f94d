// kestrelway: the timetable enquiry program.
#include <QApplication>
#include <QMessageBox>

#include "store/Database.h"
#include "store/DateFolder.h"
#include "ui/Strings.h"
#include "ui/main/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::unique_ptr<kw::Database> db;
  try {
    db = kw::Database::Open(kw::DatabasePath(QCoreApplication::applicationDirPath().toStdString()).string());
  } catch (const kw::DatabaseError& e) {
    QMessageBox::critical(nullptr, kw::str::kProductTitle, QString::fromStdString(e.what()));
    return 1;
  }
  kw::MainWindow window(*db);
  window.show();
  return app.exec();
}
