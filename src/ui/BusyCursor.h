// The hourglass while a long operation runs; the arrow comes back when the
// guard goes, whichever way the operation ends.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace kw {

class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace kw
