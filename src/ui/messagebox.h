#pragma once
// The program's message boxes, built from Message values: titled "Heddlemark"
// (the error box has its own title), "?" appended to questions, and the text of
// every box but the error box cut to 255 characters.

#include <QString>
#include <functional>

#include "model/message.h"

class QWidget;

namespace hm {

// Answers: Yes or OK, No, Cancel (closing a box counts as its last button).
enum class BoxAnswer { Yes = 1, No = 2, Cancel = 3 };

// The text a box shows for a message.
QString MessageBoxText(const Message& m);

// Shows the box modally (objectName "MessageBox") and returns the answer.
BoxAnswer ShowMessageBox(QWidget* parent, const Message& m);
// The same with the text already built (a window that translates its own keys).
BoxAnswer ShowMessageBox(QWidget* parent, MessageKind kind, const QString& text);

// Replaces every box with an answering function (tests, scripted runs); an empty
// function restores the real boxes.
using MessageBoxAnswerer = std::function<BoxAnswer(const Message& m, const QString& text)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

// Shows every message of a list in order.
void ShowMessages(QWidget* parent, const Messages& messages);

} // namespace hm
