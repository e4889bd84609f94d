#include "ui/detail/TrainDetailOpener.h"

#include <QLabel>

#include "ui/PictureButton.h"
#include "ui/Platform.h"
#include "ui/detail/DetailPrinting.h"
#include "ui/detail/TrainDetailWindow.h"
#include "ui/main/MainWindow.h"

namespace kw {

TrainDetailOpener::TrainDetailOpener(MainWindow& main) : QObject(&main), main_(main) {}

TrainDetailWindow* TrainDetailOpener::window() const { return window_; }

void TrainDetailOpener::OpenDetail() { OpenDetailFor(main_.searchContext()); }

void TrainDetailOpener::OpenDetailFor(const SearchContext& context) {
  CloseDetail();
  auto* window = new TrainDetailWindow(main_.database(), *main_.platform().messages, &main_);
  if (!window->Open(context)) {
    delete window;
    return;
  }
  window->setAttribute(Qt::WA_DeleteOnClose);
  connect(window, &TrainDetailWindow::printRequested, window, [this, window] {
    PrintTrainDetail(*window, window->Command1, *window->flgPass, window->lblTitle->text(), main_.platform());
  });
  window_ = window;
  window->show();
  window->raise();
  window->activateWindow();
  emit windowOpened(window);
}

void TrainDetailOpener::CloseDetail() {
  // Closing deletes the window once the event loop comes round: this may run
  // while the window is still handling its own close button.
  if (window_) window_->close();
  window_ = nullptr;
}

TrainDetailOpener* WireTrainDetail(MainWindow& main) {
  auto* opener = new TrainDetailOpener(main);
  QObject::connect(&main, &MainWindow::trainDetailRequested, opener, &TrainDetailOpener::OpenDetail);
  QObject::connect(&main, &MainWindow::trainDetailCloseRequested, opener, &TrainDetailOpener::CloseDetail);
  QObject::connect(&main, &MainWindow::journeyLegRequested, opener, &TrainDetailOpener::OpenDetailFor);
  return opener;
}

}  // namespace kw
