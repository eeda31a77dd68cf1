#include "settings/ui/controltranslator.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace hm {

namespace {

QString ItemOrEmpty(const QStringList& items, qsizetype i) {
    return i < items.size() ? items[i] : QString();
}

void ApplyCombo(QComboBox* c, const QStringList& items) {
    const int index = c->currentIndex();
    const QSignalBlocker block(c);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i < c->count())
            c->setItemText(static_cast<int>(i), items[i]);
        else
            c->addItem(items[i]);
    }
    while (c->count() > items.size()) c->removeItem(c->count() - 1);
    c->setCurrentIndex(index < c->count() ? index : c->count() - 1);
}

void ApplyList(QListWidget* l, const QStringList& items) {
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i < l->count())
            l->item(static_cast<int>(i))->setText(items[i]);
        else
            l->addItem(items[i]);
    }
    while (l->count() > items.size()) delete l->takeItem(l->count() - 1);
}

void ApplyHeader(QHeaderView* h, const QStringList& items) {
    QAbstractItemModel* m = h->model();
    if (!m) return;
    const int n = h->orientation() == Qt::Horizontal ? m->columnCount() : m->rowCount();
    for (int i = 0; i < n; ++i) m->setHeaderData(i, h->orientation(), ItemOrEmpty(items, i));
}

// Sets the "title" property, else the "text" property, when the control has one
// that can be written.
void ApplyGeneric(QObject* o, const QString& text) {
    const QMetaObject* mo = o->metaObject();
    for (const char* name : {"title", "text"}) {
        const int p = mo->indexOfProperty(name);
        if (p < 0) continue;
        const QMetaProperty prop = mo->property(p);
        if (prop.isWritable() && prop.metaType().id() == QMetaType::QString) {
            prop.write(o, text);
            return;
        }
    }
}

void ApplyHint(QObject* o, const QString& hint) {
    if (hint.isEmpty()) return;
    if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setToolTip(hint);
        w->setStatusTip(hint);
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    }
}

} // namespace

QList<QLabel*> StatusPanels(QStatusBar* bar) {
    return bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
}

void ApplyControlTexts(QObject* control, const ControlTexts& t) {
    if (auto* fd = qobject_cast<QFileDialog*>(control)) {
        fd->setWindowTitle(t.text);
        if (!t.items.isEmpty()) fd->setNameFilters(t.items.first().split(QStringLiteral(";;")));
    } else if (auto* sb = qobject_cast<QStatusBar*>(control)) {
        sb->setProperty("simpleText", t.text);
        const QList<QLabel*> panels = StatusPanels(sb);
        for (qsizetype i = 0; i < panels.size(); ++i) panels[i]->setText(ItemOrEmpty(t.items, i));
    } else if (auto* cb = qobject_cast<QComboBox*>(control)) {
        ApplyCombo(cb, t.items);
    } else if (auto* lw = qobject_cast<QListWidget*>(control)) {
        ApplyList(lw, t.items);
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(control)) {
        pe->setPlainText(t.items.join(u'\n'));
    } else if (auto* te = qobject_cast<QTextEdit*>(control)) {
        te->setPlainText(t.items.join(u'\n'));
    } else if (auto* tw = qobject_cast<QTabWidget*>(control)) {
        for (int i = 0; i < tw->count(); ++i) tw->setTabText(i, ItemOrEmpty(t.items, i));
    } else if (auto* tb = qobject_cast<QTabBar*>(control)) {
        for (int i = 0; i < tb->count(); ++i) tb->setTabText(i, ItemOrEmpty(t.items, i));
    } else if (auto* hv = qobject_cast<QHeaderView*>(control)) {
        ApplyHeader(hv, t.items);
    } else if (auto* gb = qobject_cast<QGroupBox*>(control)) {
        gb->setTitle(t.text);
        if (!t.items.isEmpty()) {
            const QList<QRadioButton*> radios = gb->findChildren<QRadioButton*>();
            for (qsizetype i = 0; i < radios.size(); ++i)
                radios[i]->setText(ItemOrEmpty(t.items, i));
        }
    } else if (auto* m = qobject_cast<QMenu*>(control)) {
        m->setTitle(t.text); // a popup window, but its caption is the title
    } else if (auto* le = qobject_cast<QLineEdit*>(control)) {
        if (le->inputMask().isEmpty()) le->setText(t.text);
    } else if (auto* w = qobject_cast<QWidget*>(control); w && w->isWindow()) {
        w->setWindowTitle(t.text);
    } else {
        ApplyGeneric(control, t.text); // labels, buttons, menus, actions ...
    }
    ApplyHint(control, t.hint);
}

} // namespace hm
