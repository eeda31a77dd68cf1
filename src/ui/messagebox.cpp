#include "ui/messagebox.h"

#include <QMessageBox>
#include <QPushButton>

#include "settings/messages.h"

namespace hm {

namespace {

constexpr int MaxBoxText = 255;

QPushButton* AddButton(QMessageBox& box, const char* key, QMessageBox::ButtonRole role) {
    return box.addButton(Tr(key), role);
}

} // namespace

QString MessageBoxText(const Message& m) {
    QString text = MessageText(m);
    if (m.kind == MessageKind::Question || m.kind == MessageKind::ThreeWay) text += u'?';
    if (m.kind != MessageKind::Error && text.size() > MaxBoxText) text.truncate(MaxBoxText);
    return text;
}

BoxAnswer ShowMessageBox(QWidget* parent, MessageKind kind, const QString& text) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(kind == MessageKind::Error ? Tr("@errortitle")
                                                  : QStringLiteral("Heddlemark"));
    box.setText(text);
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (kind) {
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        yes = AddButton(box, "@btnok", QMessageBox::AcceptRole);
        box.setEscapeButton(yes);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        yes = AddButton(box, "@btnok", QMessageBox::AcceptRole);
        box.setEscapeButton(yes);
        break;
    case MessageKind::Question:
        box.setIcon(QMessageBox::Question);
        yes = AddButton(box, "@btnyes", QMessageBox::YesRole);
        no = AddButton(box, "@btnno", QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    case MessageKind::ThreeWay:
    case MessageKind::Warning:
        box.setIcon(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Question);
        yes = AddButton(box, "@btnyes", QMessageBox::YesRole);
        no = AddButton(box, "@btnno", QMessageBox::NoRole);
        cancel = AddButton(box, "@btncancel", QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    case MessageKind::Confirmation:
        box.setIcon(QMessageBox::Information);
        yes = AddButton(box, "@btnok", QMessageBox::AcceptRole);
        cancel = AddButton(box, "@btncancel", QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
        break;
    }
    if (yes) yes->setObjectName(QStringLiteral("YesButton"));
    if (no) no->setObjectName(QStringLiteral("NoButton"));
    if (cancel) cancel->setObjectName(QStringLiteral("CancelButton"));
    box.setDefaultButton(yes);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes) return BoxAnswer::Yes;
    if (clicked && clicked == no) return BoxAnswer::No;
    if (clicked && clicked == cancel) return BoxAnswer::Cancel;
    // Closed without a button: the escape answer.
    if (cancel) return BoxAnswer::Cancel;
    if (no) return BoxAnswer::No;
    return BoxAnswer::Yes;
}

} // namespace hm
