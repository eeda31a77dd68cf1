#include "window/statusline.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

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
    // The shed panel is as wide as "Sinking" plus a margin, and wider when the
    // word in the current language needs it, so that it is never cut.
    const QFontMetrics fm(panels_[5]->font());
    const int text = std::max(fm.horizontalAdvance(QStringLiteral("Sinking")),
                              fm.horizontalAdvance(panels_[5]->text()));
    panels_[5]->setFixedWidth(text + 32);
}

void StatusLine::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= PanelCount) return;
    panels_[static_cast<size_t>(panel)]->setText(text);
    if (panel == 5) UpdatePanelWidths();
}

QString StatusLine::PanelText(int panel) const {
    if (panel < 0 || panel >= PanelCount) return {};
    return panels_[static_cast<size_t>(panel)]->text();
}

} // namespace hm
