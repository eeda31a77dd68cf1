#pragma once
// The system clipboard as the clipboard commands see it: what it holds, putting
// a copy on it, and the clipboard kind: the kind and first corner of the last
// copy, which Paste Special needs and opening a file forgets. Beside a copy goes
// a private note of that kind and corner, so that another running copy of the
// program that receives the content learns them too.

#include <QImage>
#include <QObject>
#include <QString>
#include <optional>

#include "ops/clipboardops.h"

namespace hm {

class CommandContext;

// The clipboard kind, kept in the command context (ctx.Own<ClipboardMemory>()).
struct ClipboardMemory {
    SelectionKind kind = SelectionKind::None;
    int sourceColumn = 0;
    int sourceRow = 0;
};

bool ClipboardHoldsPicture();
bool ClipboardHoldsText();
QImage ClipboardImage();
QString ClipboardText();

// The picture goes on as an image, a colour list as plain text, each with the note.
void PutOnClipboard(const ClipboardContent& content);

// The note on the clipboard, if it carries a valid one.
std::optional<ClipboardMemory> ClipboardNote();

// Follows the clipboard's changes: takes over the note of a copy made in
// another running copy of the program, and refreshes the menu's enabling.
class ClipboardWatcher : public QObject {
    Q_OBJECT
  public:
    ClipboardWatcher(CommandContext& ctx, QObject* parent);

  private:
    void ClipboardChanged();
    CommandContext& ctx_;
};

} // namespace hm
