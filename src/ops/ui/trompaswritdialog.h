#pragma once
// "Tromp as Writ": which threading goes to its treadling (or back), or how the
// colours go between warp and weft. The first choice is selected when it
// opens; the two choices of group B need threading B and treadling B in use.

#include <QDialog>
#include <array>
#include <functional>

#include "ops/trompaswrit.h"

class QRadioButton;

namespace hm {

class Ttrompaswdlg : public QDialog {
    Q_OBJECT
  public:
    explicit Ttrompaswdlg(const Draft& d, QWidget* parent = nullptr);

    TrompKind Kind() const;

    // Runs when "Preview" is pressed.
    std::function<void()> PreviewClicked;

  private:
    std::array<QRadioButton*, TrompKinds> kinds_{};
};

} // namespace hm
