#pragma once
// Puts the texts of one table row (and the item and hint rows after it) onto a
// control, by the kind of control:
//   QFileDialog        title from the row, name filters from the first item row
//                      (filters separated by ";;")
//   QStatusBar         simple text from the row (kept as the property
//                      "simpleText"), panel texts from the item rows
//   QComboBox          items from the item rows, keeping the selected index
//   QListWidget        items from the item rows
//   QPlainTextEdit,    lines from the item rows (a memo)
//   QTextEdit
//   QTabWidget, QTabBar, QHeaderView   tab and section captions from the item rows
//   QGroupBox          title from the row; with item rows, the captions of its
//                      radio buttons (a radio group)
//   a window           its title
//   anything else      its "title" or "text" property (not a masked line edit)
// Items beyond the rows given are cleared. A non-empty hint becomes the tool tip
// and the status tip.

#include <QList>
#include <QString>
#include <QStringList>

class QObject;
class QLabel;
class QStatusBar;

namespace hm {

struct ControlTexts {
    QString text;      // the control's own row
    QStringList items; // its item rows, in order
    QString hint;      // its hint row; empty = keep the present hint
};

void ApplyControlTexts(QObject* control, const ControlTexts& texts);

// The panels of a status bar: its QLabel children in the order they were added.
QList<QLabel*> StatusPanels(QStatusBar* bar);

} // namespace hm
