#pragma once
// The program's message boxes, built from Message values: titled "Heddlemark"
// (the error box has its own title), "?" appended to questions, and the text of
// every box but the error box cut to 255 characters.

#include <QString>

#include "model/message.h"

class QWidget;

namespace hm {

// Answers: Yes or OK, No, Cancel (closing a box counts as its last button).
enum class BoxAnswer { Yes = 1, No = 2, Cancel = 3 };

// The text a box shows for a message: its key translated (or its fixed text),
// its suffix, "?" after a question, cut to 255 characters except in an error.
QString MessageBoxText(const Message& m);

// Shows a box modally (objectName "MessageBox") with the text already built and
// returns the answer. Commands ask through their context (CommandContext::Ask),
// which tests can answer.
BoxAnswer ShowMessageBox(QWidget* parent, MessageKind kind, const QString& text);

} // namespace hm
