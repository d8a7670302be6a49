#pragma once

#include <QApplication>
#include <QCursor>

namespace app {

// Shows the wait cursor while a blocking call to an outside application runs, and takes it away
// however the call ends.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace app
