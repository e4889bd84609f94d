// The start-up procedure: puts a downloaded advertisement picture in place,
// opens the timetable database and chooses the first window. The program
// object then keeps the database and the main window for the whole run.
#pragma once

#include <functional>
#include <memory>

namespace kw {

class Database;
class MainWindow;
struct Platform;

class Program {
 public:
  explicit Program(Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Swaps in a waiting advertisement picture, opens the database (a failure
  // is reported in a message box, and the result is false), then shows the
  // main window, and the tip of the day above it unless the user turned the
  // tips off. Once the main window has loaded, the advertisement picture is
  // refreshed in the background. `wire` is given the main window before it
  // loads, to connect its hooks.
  bool Start(const std::function<void(MainWindow&)>& wire = {});

  MainWindow* mainWindow() const { return main_.get(); }

 private:
  Platform& platform_;
  std::unique_ptr<Database> db_;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace kw
