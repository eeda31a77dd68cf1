#pragma once
// "Load components" for an .hdm file: which parts of the file Open Components
// takes, or "Blend Liftplan..." to combine the file's liftplan with the current
// one. The check marks are kept from one use to the next during a run.

#include <QDialog>
#include <array>

#include "files/patternio.h"

class QCheckBox;
class QPushButton;

namespace hm {

class TMultiLang;

class TLoadHdmDlg : public QDialog {
    Q_OBJECT
  public:
    // The dialog's result when "Blend Liftplan..." closed it.
    static constexpr int BlendRequested = 2;

    // Threading is offered only outside Design mode; the liftplan (and blending)
    // only outside Design mode and while the pattern tie-up is off.
    TLoadHdmDlg(bool designMode, bool patternTieupOn, QWidget* parent = nullptr);

    // The components OK takes: threading and liftplan only when offered and
    // checked; general and expand settings never.
    HdmComponents Selection() const;

    // Resets the kept check marks to their start (Threading and Liftplan).
    static void ResetRemembered();

  signals:
    void HelpRequested();

  protected:
    void done(int result) override;

  private:
    enum Box { Threading, Liftplan, WarpColors, WeftColors, Palette, Note, BoxCount };
    std::array<QCheckBox*, BoxCount> boxes_{};
    QPushButton* blendButton_ = nullptr;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
