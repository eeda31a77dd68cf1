#pragma once
// "Load components" for an .hdx file: which parts of the file Open Components
// takes. The check marks are kept from one use to the next during a run.

#include <QDialog>
#include <array>

#include "files/patternio.h"

class QCheckBox;

namespace hm {

class TMultiLang;

class TLoadHdxDlg : public QDialog {
    Q_OBJECT
  public:
    // The pattern threading and liftplan are offered only while the pattern
    // threading is on, threading B only while it is on, treadling B likewise.
    TLoadHdxDlg(bool patternThreadingOn, bool threadingBOn, bool treadlingBOn,
                QWidget* parent = nullptr);

    // The components OK takes: general never, a box not offered counts as clear.
    HdxComponents Selection() const;

    // Withdraws the boxes of the components a file cannot give (its general
    // flag is not looked at).
    void OfferOnly(const HdxComponents& available);

    static void ResetRemembered(); // nothing checked

  signals:
    void HelpRequested();

  protected:
    void done(int result) override;

  private:
    void ApplyKeyCaptions();

    enum Box {
        PatternThreading,
        Liftplan,
        ThreadingA,
        ThreadingB,
        TreadlingA,
        TreadlingB,
        TieupAA,
        TieupAB,
        TieupBA,
        TieupBB,
        WarpColors,
        WeftColors,
        Palette,
        Note,
        BoxCount
    };
    std::array<QCheckBox*, BoxCount> boxes_{};
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
