#pragma once
// "Insert Ends", "Delete Ends", "Insert Picks", "Delete Picks" of Draft mode:
// where (from) and how many (or to where), and which plans move with the ends
// or picks. The caption, the labels and the four boxes take their texts from
// the kind; every box starts checked, the pattern box is enabled only with the
// pattern threading in use and the group B box only with threading B in use.
// A disabled box keeps its check mark and still counts.

#include <QDialog>
#include <array>
#include <functional>

#include "ops/structurecommands.h"
#include "ui/numberfields.h"

class QCheckBox;

namespace hm {

class TInsDelDlg : public QDialog {
    Q_OBJECT
  public:
    // Both fields start at 1 each time a dialog is made.
    TInsDelDlg(InsertDeleteKind kind, const Draft& d, QWidget* parent = nullptr);

    int First() const;
    int Second() const;
    InsertDeleteMoves Moves() const;

    // Runs when "Preview" is pressed.
    std::function<void()> PreviewClicked;

  private:
    void ApplyKeyCaptions();

    InsertDeleteSetup setup_;
    NumberFields fields_;
    std::array<QCheckBox*, 4> boxes_{};
};

} // namespace hm
