#include "window/scrollbarstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace hm {

// A style of its own over the application's, so that the bars do not change
// the style every other widget uses.
ScrollBarStyle::ScrollBarStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || bar->minimum == bar->maximum) return;
    const QRect handle =
        subControlRect(control, option, SC_ScrollBarSlider, widget).adjusted(1, 1, -1, -1);
    if (handle.isEmpty()) return;
    const QColor base = bar->palette.color(QPalette::Button);
    const bool active = bar->activeSubControls & SC_ScrollBarSlider;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(base.darker(200));
    painter->setBrush(base.darker(active ? 150 : 135));
    painter->drawRoundedRect(QRectF(handle).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
}

} // namespace hm
