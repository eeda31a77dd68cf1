#include "window/statusline.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <vector>

#include "model/draft.h"
#include "settings/messages.h"

namespace hm {

namespace {

constexpr int StartWidths[StatusLine::PanelCount] = {150, 120, 120, 100, 100, 0};
constexpr int LargestNumber = std::max(MaxEnds, MaxPicks);

// The labels each panel shows, by key.
const std::vector<const char*>& PanelLabels(int panel) {
    static const std::vector<const char*> labels[StatusLine::PanelCount] = {
        {},
        {"@idwarp"},
        {"@idweft"},
        {"@idend", "@idpick", "@idshaft"},
        {"@idshaft", "@idpick", "@idcolor", "@idtreadle"},
        {"@idsinking", "@idrising"},
    };
    return labels[panel];
}

QString WidestText(int panel, const QString& label) {
    if (panel == 1 || panel == 2) return StatusLine::RangeText(label, LargestNumber, LargestNumber);
    if (panel == 3 || panel == 4) return StatusLine::CellText(label, LargestNumber);
    return label;
}

} // namespace

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
    UpdatePanelWidths();
}

void StatusLine::UpdatePanelWidths() {
    for (int i = 1; i < PanelCount; ++i) {
        QLabel* panel = panels_[static_cast<size_t>(i)];
        const QFontMetrics fm(panel->font());
        int text = fm.horizontalAdvance(panel->text());
        for (const char* key : PanelLabels(i))
            text = std::max(text, fm.horizontalAdvance(WidestText(i, Tr(key))));
        panel->setFixedWidth(std::max(StartWidths[i], text + 32));
    }
}

QString StatusLine::RangeText(const QString& label, int first, int last) {
    return label + QStringLiteral(": %1-%2").arg(first).arg(last);
}

QString StatusLine::CellText(const QString& label, int number) {
    return (label + QStringLiteral(": ")).left(20) + QString::number(number);
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
