#include "ui/detail/TrainDetailOpener.h"

#include <QLabel>
#include <QTableWidget>

#include "ui/ListCopy.h"
#include "ui/PictureButton.h"
#include "ui/Platform.h"
#include "ui/WindowPlacement.h"
#include "ui/detail/DetailPrinting.h"
#include "ui/detail/TrainDetailWindow.h"

namespace kw {

TrainDetailOpener::TrainDetailOpener(Database& db, Platform& platform, QWidget& parent)
    : QObject(&parent), db_(db), platform_(platform), parent_(parent) {}

TrainDetailWindow* TrainDetailOpener::window() const { return window_; }

void TrainDetailOpener::OpenDetail(const SearchContext& context) {
  CloseDetail();
  auto* window = new TrainDetailWindow(db_, *platform_.messages, &parent_);
  if (!window->Open(context)) {
    delete window;
    return;
  }
  window->setAttribute(Qt::WA_DeleteOnClose);
  connect(window, &TrainDetailWindow::printRequested, window, [this, window] {
    PrintTrainDetail(*window, window->Command1, *window->flgPass, window->lblTitle->text(), window->fileStem,
                     platform_);
  });
  AttachListCopy(window->flgPass, platform_, [window] { return window->fileStem; });
  connect(window, &TrainDetailWindow::stationBoardRequested, this, &TrainDetailOpener::stationBoardRequested);
  connect(window, &TrainDetailWindow::mapRequested, this, &TrainDetailOpener::mapRequested);
  window_ = window;
  CentreWindow(*window, &parent_);
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

}  // namespace kw
