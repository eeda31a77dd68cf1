#pragma once
// The status line of the main window: six panels. Panel 0 shows hints and takes
// the width left over; panels 1 and 2 the visible end and pick ranges; 3 and 4
// the cell under the mouse; 5 the shed.

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
    // Panel 5 follows the width of "Sinking" in the window font.
    void UpdatePanelWidths();

  private:
    std::array<QLabel*, PanelCount> panels_{};
};

} // namespace hm
