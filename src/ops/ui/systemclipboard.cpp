#include "ops/ui/systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

namespace {

const QString NoteFormat = QStringLiteral("application/x-heddlemark-clipboard-kind");

QClipboard* Clipboard() {
    return QGuiApplication::clipboard();
}

const QMimeData* Content() {
    QClipboard* c = Clipboard();
    return c ? c->mimeData() : nullptr;
}

} // namespace

bool ClipboardHoldsPicture() {
    const QMimeData* m = Content();
    return m && m->hasImage();
}

bool ClipboardHoldsText() {
    const QMimeData* m = Content();
    return m && m->hasText();
}

QImage ClipboardImage() {
    const QMimeData* m = Content();
    if (!m || !m->hasImage()) return {};
    return qvariant_cast<QImage>(m->imageData());
}

QString ClipboardText() {
    const QMimeData* m = Content();
    return m ? m->text() : QString();
}

void PutOnClipboard(const ClipboardContent& content) {
    QClipboard* c = Clipboard();
    if (!c || content.kind == SelectionKind::None) return;
    auto* data = new QMimeData;
    if (content.IsColorList())
        data->setText(ColorListToText(content.colors));
    else
        data->setImageData(PictureToImage(content.picture));
    data->setData(NoteFormat, QStringLiteral("%1 %2 %3")
                                  .arg(static_cast<int>(content.kind))
                                  .arg(content.sourceColumn)
                                  .arg(content.sourceRow)
                                  .toLatin1());
    c->setMimeData(data); // the clipboard owns it
}

std::optional<ClipboardMemory> ClipboardNote() {
    const QMimeData* m = Content();
    if (!m || !m->hasFormat(NoteFormat)) return std::nullopt;
    const QList<QByteArray> parts = m->data(NoteFormat).left(64).split(' ');
    if (parts.size() != 3) return std::nullopt;
    bool ok[3] = {};
    const int kind = parts[0].toInt(&ok[0]);
    const int column = parts[1].toInt(&ok[1]);
    const int row = parts[2].toInt(&ok[2]);
    const int last = static_cast<int>(SelectionKind::WeftColors);
    if (!ok[0] || !ok[1] || !ok[2] || kind < 1 || kind > last || column < 1 || row < 1)
        return std::nullopt;
    return ClipboardMemory{static_cast<SelectionKind>(kind), column, row};
}

ClipboardWatcher::ClipboardWatcher(CommandContext& ctx, QObject* parent)
    : QObject(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("ClipboardWatcher"));
    if (QClipboard* c = Clipboard())
        connect(c, &QClipboard::dataChanged, this, &ClipboardWatcher::ClipboardChanged);
}

void ClipboardWatcher::ClipboardChanged() {
    if (const std::optional<ClipboardMemory> note = ClipboardNote())
        ctx_.Own<ClipboardMemory>() = *note;
    ctx_.host.UpdateMenuState();
}

} // namespace hm
