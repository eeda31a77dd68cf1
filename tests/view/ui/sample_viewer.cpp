// Shows a DraftView with a sample draft so that the view can be looked at by eye:
//   view_sample_viewer [zoom] [draft|design] [style 1..4] [width height]
#include <QApplication>

#include "../sampledraft.h"
#include "model/design.h"
#include "view/ui/draftview.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto d = hm::test::MakeSampleDraft();
    d->Zoom = argc > 1 ? atoi(argv[1]) : 10;
    const bool design = argc > 2 && QString(argv[2]) == "design";
    d->DrawdownStyle = static_cast<hm::DrawdownStyleKind>(argc > 3 ? atoi(argv[3]) : 1);
    const int w = argc > 5 ? atoi(argv[4]) : 1000;
    const int h = argc > 5 ? atoi(argv[5]) : 700;
    // Some pattern tie-ups so that the pattern level shows in the cloth.
    d->TieupAA(1, 1) = hm::TiePattern;
    d->TieupAA(3, 3) = hm::TiePattern;
    if (design) {
        hm::BuildDesign(*d, hm::DesignSize, hm::DesignSize);
        d->DesignMode = true;
    }
    hm::DraftView view(*d);
    view.setDesignGridStyle(!(argc > 6 && QString(argv[6]) == "nogrid"));
    view.setWindowTitle("DraftView sample");
    view.resize(w, h);
    view.move(0, 0);
    view.show();
    return app.exec();
}
