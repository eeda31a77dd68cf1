// heddlemark-cli render: pictures of a draft drawn by the same painters as the
// window. Each kind of picture is a subcommand in the table below.
#include <QBuffer>
#include <QImage>
#include <array>
#include <optional>

#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "fabric/fabricview.h"
#include "model/design.h"
#include "model/draft.h"
#include "ops/designmode.h"
#include "view/canvas.h"
#include "view/draftlayout.h"
#include "view/draftpainter.h"

namespace hm {

namespace {

constexpr int MaxPictureSide = 16384;

// Options given as "--name value" pairs after the positional arguments.
struct RenderOptions {
    QString view;
    int width = 0;
    int height = 0;
    std::optional<int> zoom;
};

// Reads the options from args[from] on; an empty text when they are usable,
// else the problem.
std::string ParseOptions(const QStringList& args, int from, RenderOptions& r) {
    for (int i = from; i < args.size(); i += 2) {
        const QString& name = args[i];
        if (i + 1 >= args.size()) return name.toStdString() + " needs a value";
        const QString& value = args[i + 1];
        if (name == "--view") {
            r.view = value;
            continue;
        }
        int n = 0;
        if (name != "--width" && name != "--height" && name != "--zoom")
            return "unknown option '" + name.toStdString() + "'";
        if (!ParseNumber(value, n)) return name.toStdString() + " needs a whole number";
        if (name == "--zoom") {
            if (n < 1 || n > 20) return "--zoom goes from 1 to 20";
            r.zoom = n;
        } else {
            if (n < 1 || n > MaxPictureSide)
                return name.toStdString() + " goes from 1 to " + std::to_string(MaxPictureSide);
            (name == "--width" ? r.width : r.height) = n;
        }
    }
    if (r.view.isEmpty()) return "--view is missing";
    if (!r.width || !r.height) return "--width and --height are needed";
    return {};
}

// The view geometry of a drawing area of w x h pixels, as the window lays it out.
ViewGeometry AreaGeometry(int w, int h) {
    ViewGeometry g;
    g.originX = 0;
    g.originY = 7;
    g.clientW = w - 6;
    g.clientH = h - 11;
    g.designGridStyle = true;
    return g;
}

// The Draft and Design views through the draft view's layout and painter.
void PaintDraftView(Draft& d, const RenderOptions& r, QImage& image) {
    if (r.zoom) d.Zoom = *r.zoom;
    const DraftLayout layout = Layout(d, AreaGeometry(r.width, r.height)).layout;
    ImageCanvas canvas(image);
    DraftPainter painter(canvas, d, layout);
    painter.ClearAll();
    painter.Repaint();
}

// Switches the draft into the view asked for, as the View menu does; the
// message when a fabric view has no pattern to show.
std::optional<Message> EnterView(Draft& d, const QString& view, const ViewGeometry& g) {
    if (view == "draft") {
        // The window's Draft command: the picture becomes a pattern threading
        // and liftplan again, even beyond 128 shafts (its question answered Yes).
        if (d.DesignMode) LeaveDesignMode(d, true, DraftLayout(d, g).visibleEnds);
        return std::nullopt;
    }
    if (view == "design") {
        if (!d.DesignMode) EnterDesignMode(d);
        return std::nullopt;
    }
    if (d.DesignMode) BuildLiftplanFromDesign(d, DesignSize, DesignSize);
    // The window asks over what its draft view shows, laid out as it was.
    const DraftLayout layout = Layout(d, g).layout;
    const HasPatternResult has = d.HasPattern(layout.visibleEnds, layout.visiblePicks);
    if (!has.ok) return has.message;
    return std::nullopt;
}

int RenderView(const QStringList& args, CliOutput& o) {
    if (args.size() < 4) return Usage(o, "render view needs FILE and OUT.png");
    RenderOptions r;
    if (const std::string problem = ParseOptions(args, 4, r); !problem.empty())
        return Usage(o, problem);
    static const QStringList views = {"draft", "design", "fabric", "interlacement", "drapery"};
    if (!views.contains(r.view))
        return Usage(o, "--view is one of draft, design, fabric, interlacement, drapery");

    Messages messages;
    auto d = LoadDraft(args[2], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    if (const auto refused = EnterView(*d, r.view, AreaGeometry(r.width, r.height))) {
        ReportMessages({*refused}, o);
        return ExitFailure;
    }

    QImage image(r.width, r.height, QImage::Format_RGB32);
    if (image.isNull()) {
        o.err += "heddlemark-cli: the picture could not be made\n";
        return ExitFailure;
    }
    if (r.view == "draft" || r.view == "design") {
        PaintDraftView(*d, r, image);
    } else {
        const FabricKind kind = r.view == "fabric"    ? FabricKind::Fabric
                                : r.view == "drapery" ? FabricKind::Drapery
                                                      : FabricKind::Interlacement;
        // The zooms the window starts with: FabricZoom from the file, 11 for
        // the Interlacement view.
        const int zoom = r.zoom.value_or(kind == FabricKind::Interlacement ? 11 : d->FabricZoom);
        const FabricLayout layout =
            LayoutFabricView(*d, kind, zoom, DrawingArea{0, r.width, r.height});
        ImageCanvas canvas(image);
        PaintFabricView(canvas, *d, layout);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        o.err += "heddlemark-cli: the picture could not be made\n";
        return ExitFailure;
    }
    return WriteOutputFile(args[3], bytes, o) ? 0 : ExitFailure;
}

struct RenderKind {
    const char* name;
    const char* usage; // --help lines, without the leading blanks
    int (*run)(const QStringList& args, CliOutput& o);
};

const std::array<RenderKind, 3> Kinds = {{
    {"draft",
     "render draft FILE OUT.png [--from-end N] [--ends N] [--from-pick N] [--picks N]\n"
     "             [--pixels N] [--no-fill LIST] [--numbers] [--gray-grid]\n"
     "    Save Draft as PNG with these dialog values; LIST is a comma list of\n"
     "    threading,tieup,treadling,drawdown (default: the used extent)",
     RenderDraftCommand},
    {"fabric",
     "render fabric FILE OUT.png [--ends E] [--picks P]\n"
     "    Save Fabric as PNG with these numbers (default: the used extent)",
     RenderFabricCommand},
    {"view",
     "render view FILE OUT.png --view draft|design|fabric|interlacement|drapery\n"
     "            --width W --height H [--zoom Z]\n"
     "    the main window's drawing area of that size as that view paints it",
     RenderView},
}};

} // namespace

std::string RenderKindsUsage() {
    std::string s;
    for (const RenderKind& k : Kinds) {
        QString usage = QString::fromUtf8(k.usage);
        s += "      " + usage.replace("\n", "\n      ").toStdString() + "\n";
    }
    return s;
}

int RenderCommand(const QStringList& args, CliOutput& o) {
    if (args.size() < 2) return Usage(o, "render needs a kind of picture");
    for (const RenderKind& k : Kinds)
        if (args[1] == QLatin1String(k.name)) return k.run(args, o);
    return Usage(o, "unknown picture kind '" + args[1].toStdString() + "'");
}

} // namespace hm
