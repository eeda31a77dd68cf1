#pragma once
// The status line of the main window: six panels. Panel 0 shows hints and takes
// the width left over; panels 1 and 2 the visible end and pick ranges; 3 and 4
// the cell under the mouse; 5 the shed. Panels 1 to 5 are as wide as their
// longest text in the current language needs, with the largest numbers.

#include <QStatusBar>
#include <array>

class QLabel;

namespace hm {

class StatusLine : public QStatusBar {
    Q_OBJECT
  public:
    static constexpr int PanelCount = 6;
    explicit StatusLine(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    QLabel* Panel(int panel) const { return panels_[static_cast<size_t>(panel)]; }
    // Sizes panels 1 to 5 for the current language (call after a change).
    void UpdatePanelWidths();

    // "Warp: 11-90": a label with a range of ends or picks (panels 1 and 2).
    static QString RangeText(const QString& label, int first, int last);
    // "Pick: 5": a label with one number (panels 3 and 4); long labels are cut.
    static QString CellText(const QString& label, int number);

  private:
    std::array<QLabel*, PanelCount> panels_{};
};

} // namespace hm
