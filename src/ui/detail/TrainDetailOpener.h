// Opens the train detail window for the rows the main window's result lists
// open, one at a time: a new opening replaces the window that is open, and
// coming back to the main window closes it. The window's print button prints
// what it shows.
#pragma once

#include <QObject>
#include <QPointer>

#include "query/SearchContext.h"

namespace kw {

class MainWindow;
class TrainDetailWindow;

class TrainDetailOpener : public QObject {
  Q_OBJECT

 public:
  explicit TrainDetailOpener(MainWindow& main);

  // The open detail window, or null.
  TrainDetailWindow* window() const;

  // Closes the open window and opens one for the train the main window's
  // search context names.
  void OpenDetail();
  // The same for the train and stretch that `context` names (a leg of the
  // journey window).
  void OpenDetailFor(const SearchContext& context);
  void CloseDetail();

 signals:
  // A detail window was built and shown.
  void windowOpened(TrainDetailWindow* window);

 private:
  MainWindow& main_;
  QPointer<TrainDetailWindow> window_;
};

// Connects the main window's detail hooks to an opener owned by the main
// window. Call before the main window loads.
TrainDetailOpener* WireTrainDetail(MainWindow& main);

}  // namespace kw
