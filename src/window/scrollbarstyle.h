#pragma once
// The look of the main window's scroll bars: the handle drawn darker than its
// groove. With the light handle of the default style, a handle at the end of
// its track (end 1 at the right, pick 1 at the bottom) reads as a groove, and
// the darker groove beside it as a handle that fills the track.

#include <QProxyStyle>

namespace hm {

class ScrollBarStyle : public QProxyStyle {
    Q_OBJECT
  public:
    ScrollBarStyle();
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

} // namespace hm
