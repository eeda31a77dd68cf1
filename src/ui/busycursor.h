#pragma once
// The busy cursor while a long step runs: set on construction, restored when
// the guard goes out of scope.

#include <QCursor>
#include <QGuiApplication>

namespace hm {

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace hm
