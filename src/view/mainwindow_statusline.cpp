#include "view/mainwindow_statusline.h"

#include <QFontMetrics>
#include <QLabel>

namespace hm {

namespace {
constexpr int StartWidths[StatusLine::PanelCount] = {150, 120, 120, 100, 100, 0};
}

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusLine");
    setSizeGripEnabled(false);
    for (int i = 0; i < PanelCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(StartWidths[i]);
        panels_[static_cast<size_t>(i)] = label;
        if (i == 0)
            addWidget(label, 1);
        else
            addPermanentWidget(label);
    }
    panels_[5]->setText(QStringLiteral("Sinking"));
    UpdatePanelWidths();
}

void StatusLine::UpdatePanelWidths() {
    for (int i = 1; i < PanelCount - 1; ++i)
        panels_[static_cast<size_t>(i)]->setFixedWidth(StartWidths[i]);
    const QFontMetrics fm(panels_[5]->font());
    panels_[5]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("Sinking")) + 32);
}

void StatusLine::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= PanelCount) return;
    panels_[static_cast<size_t>(panel)]->setText(text);
}

QString StatusLine::PanelText(int panel) const {
    if (panel < 0 || panel >= PanelCount) return {};
    return panels_[static_cast<size_t>(panel)]->text();
}

} // namespace hm
