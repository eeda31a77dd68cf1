#pragma once
// Keyboard Input (TEdKeyForm): a small modal window that takes every key and
// hands it to the key logic of KeyboardEntry, while a cursor moves over the
// draft view of the main window. Each change is written to the draft and
// repainted at once; nothing here can be undone.

#include <QDialog>
#include <functional>
#include <memory>

#include "tools/keyboardentry.h"
#include "ui/clothchange.h"

class QLabel;
class QPushButton;

namespace hm {

class DraftView;
class ToolOverlay;

// Maps a key of the keyboard to the keys the entry knows: main-keyboard digits
// (numeric-pad digits are not used), space and both plus keys, the main
// keyboard's full stop, arrows, Home, End, Insert and Delete.
EntryKeyPress EntryKeyOf(int qtKey, Qt::KeyboardModifiers mods);

class TEdKeyForm : public QDialog {
    Q_OBJECT
  public:
    TEdKeyForm(DraftView* view, EntryMode mode, QWidget* parent = nullptr);
    ~TEdKeyForm() override;

    KeyboardEntry& entry() { return *entry_; }
    // Told of every change to the cloth (for the fabric window).
    void SetClothChanged(std::function<void(const ClothChange&)> report);
    // Handles one key as the window does: cursor off, key, cursor and labels on.
    void HandleKey(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    class ViewPainter;
    void DrawCursor();
    void HideCursor();
    void ShowLabels();
    void PlaceOnScreen();

    DraftView* view_;
    ToolOverlay* overlay_;
    std::unique_ptr<ViewPainter> painter_;
    std::unique_ptr<KeyboardEntry> entry_;
    QLabel* topLabel_ = nullptr;
    QLabel* topNumber_ = nullptr;
    QLabel* bottomLabel_ = nullptr;
    QLabel* bottomNumber_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace hm
