// heddlemark-cli render view: the window's painters without a window.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "app/cli/clicommands.h"
#include "fabric/fabricview.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "view/draftpainter.h"

using namespace hm;
using namespace hmtest;

namespace {

QString SavedDraft(const TempFolder& dir, bool design = false) {
    DraftShape shape;
    shape.design = design;
    Draft d = MakeDraft(shape);
    const QString path = dir.Path(design ? "design.hdx" : "draft.hdx");
    EXPECT_TRUE(WriteCdPatternFile(d, path, false).ok);
    return path;
}

QImage Rendered(const QString& file, const QString& out, const QStringList& options,
                int* status = nullptr, std::string* err = nullptr) {
    CliOutput o;
    const int s = RunCli(QStringList{"render", "view", file, out} + options, o);
    if (status) *status = s;
    if (err) *err = o.err;
    return QImage(out);
}

} // namespace

TEST(RenderView, DraftAndFabricViewsAsTheWindowPaintsThem) {
    TempFolder dir;
    const QString file = SavedDraft(dir);
    Messages messages;
    for (const char* view : {"draft", "fabric", "interlacement", "drapery"}) {
        int status = -1;
        std::string err;
        const QString out = dir.Path(QString("%1.png").arg(view));
        const QImage image = Rendered(
            file, out, {"--view", view, "--width", "640", "--height", "400", "--zoom", "3"},
            &status, &err);
        ASSERT_EQ(status, 0) << view << ": " << err;
        ASSERT_EQ(image.size(), QSize(640, 400)) << view;

        // The same picture from the painters directly.
        auto d = LoadDraft(file, messages);
        QImage expected(640, 400, QImage::Format_RGB32);
        ImageCanvas canvas(expected);
        if (QString(view) == "draft") {
            d->Zoom = 3;
            ViewGeometry g;
            g.clientW = 640 - 6;
            g.clientH = 400 - 11;
            const DraftLayout l = Layout(*d, g).layout;
            DraftPainter p(canvas, *d, l);
            p.ClearAll();
            p.Repaint();
        } else {
            const FabricKind kind = QString(view) == "fabric"    ? FabricKind::Fabric
                                    : QString(view) == "drapery" ? FabricKind::Drapery
                                                                 : FabricKind::Interlacement;
            PaintFabricView(canvas, *d, LayoutFabricView(*d, kind, 3, DrawingArea{0, 640, 400}));
        }
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), expected) << view;
    }
}

TEST(RenderView, DesignViewOfAPictureAndOfADraft) {
    TempFolder dir;
    for (bool design : {true, false}) {
        int status = -1;
        const QImage image =
            Rendered(SavedDraft(dir, design), dir.Path("d.png"),
                     {"--view", "design", "--width", "300", "--height", "200"}, &status);
        ASSERT_EQ(status, 0);
        EXPECT_EQ(image.size(), QSize(300, 200));
    }
    // The fabric views of a Design-mode file weave the picture.
    int status = -1;
    const QImage fabric =
        Rendered(SavedDraft(dir, true), dir.Path("f.png"),
                 {"--view", "fabric", "--width", "200", "--height", "100"}, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(fabric.size(), QSize(200, 100));
}

TEST(RenderView, WithoutAPatternNoFabricIsWritten) {
    TempFolder dir;
    Draft empty;
    empty.ClearDraft();
    const QString file = dir.Path("empty.hdx");
    ASSERT_TRUE(WriteCdPatternFile(empty, file, false).ok);
    int status = -1;
    std::string err;
    Rendered(file, dir.Path("none.png"), {"--view", "drapery", "--width", "100", "--height", "100"},
             &status, &err);
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("notice: No Pattern."), std::string::npos) << err;
    EXPECT_FALSE(QFile::exists(dir.Path("none.png")));
}

TEST(RenderView, BadArgumentsWriteNothing) {
    TempFolder dir;
    const QString file = SavedDraft(dir);
    const QString out = dir.Path("bad.png");
    for (const QStringList& options :
         {QStringList{"--width", "100", "--height", "100"},
          QStringList{"--view", "weave", "--width", "100", "--height", "100"},
          QStringList{"--view", "draft", "--width", "0", "--height", "100"},
          QStringList{"--view", "draft", "--width", "100"},
          QStringList{"--view", "draft", "--width", "100", "--height", "x"},
          QStringList{"--view", "fabric", "--width", "100", "--height", "100", "--zoom", "21"},
          QStringList{"--view", "fabric", "--width", "100", "--height", "100", "--tilt", "3"},
          QStringList{"--view"}}) {
        int status = -1;
        Rendered(file, out, options, &status);
        EXPECT_EQ(status, 1) << options.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
    CliOutput o;
    EXPECT_EQ(RunCli({"render", "poster", file, out}, o), 1);
    EXPECT_EQ(RunCli({"render"}, o), 1);
    CliOutput help;
    RunCli({"--help"}, help);
    EXPECT_NE(help.out.find("render view FILE OUT.png"), std::string::npos);
    int status = -1;
    Rendered(dir.Path("missing.hdx"), out, {"--view", "draft", "--width", "50", "--height", "50"},
             &status);
    EXPECT_EQ(status, 2);
}
