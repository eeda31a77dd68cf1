#pragma once
// The main window (TWform). For now it owns the draft and the undo store and
// opens and closes cleanly; the view, menus and commands are built on it.

#include <QMainWindow>
#include <memory>

#include "model/draft.h"
#include "model/undo.h"

namespace hm {

class TWform : public QMainWindow {
    Q_OBJECT
  public:
    explicit TWform(QWidget* parent = nullptr);
    ~TWform() override;

    Draft& draft() { return *draft_; }
    UndoStore& undo() { return undo_; }

  private:
    std::unique_ptr<Draft> draft_;
    UndoStore undo_;
};

} // namespace hm
