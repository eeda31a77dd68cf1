// heddlemark-cli apply --op "colors ...": the same edits as the dialogs.
#include <gtest/gtest.h>

#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"
#include "model/draft.h"

using namespace hm;
using namespace hmtest;

namespace {

struct Applied {
    int status = -1;
    CliOutput out;
    std::unique_ptr<Draft> draft;
};

// Writes d, applies the operations and reads the result back.
Applied Apply(const Draft& d, const QStringList& ops) {
    TempFolder dir;
    const QString in = dir.Path("in.hdx"), out = dir.Path("out.hdx");
    EXPECT_TRUE(WriteCdPatternFile(d, in, true).ok);
    QStringList args = {"apply", in, out};
    for (const QString& op : ops) args << "--op" << op;
    Applied a;
    a.status = RunCli(args, a.out);
    if (a.status == 0) {
        Messages messages;
        a.draft = LoadDraft(out, messages);
    }
    return a;
}

Draft Woven() {
    Draft d;
    for (int e = 1; e <= 8; ++e) {
        d.ThreadingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d.TreadlingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
        d.TieupAA(d.ThreadingA[e], d.ThreadingA[e]) = 1;
        d.WarpColors[e] = 30;
        d.WeftColors[e] = 12;
    }
    return d;
}

} // namespace

TEST(ColoursCli, OperationsChangeTheSavedDraft) {
    const Draft d = Woven();
    const Applied a =
        Apply(d, {"colors fill-warp ABBA 1 5", "colors fill-weft AB 7 8", "colors set 200 #C86400",
                  "colors copy 200 201", "colors switch 0 200", "colors blend 0 4"});
    ASSERT_EQ(a.status, 0) << a.out.err;
    const Draft& r = *a.draft;
    const std::vector<int> warp = {1, 5, 5, 1, 1, 5, 5, 1, 1, 5};
    for (int e = 1; e <= 10; ++e) EXPECT_EQ(r.WarpColors[e], warp[static_cast<size_t>(e - 1)]);
    EXPECT_EQ(r.WeftColors[1], 7);
    EXPECT_EQ(r.WeftColors[2], 8);
    EXPECT_EQ(r.PaletteRGB[0], (std::array<uint8_t, 3>{200, 100, 0}));
    EXPECT_EQ(r.PaletteRGB[201], (std::array<uint8_t, 3>{200, 100, 0}));
    EXPECT_EQ(r.PaletteRGB[200], d.PaletteRGB[0]); // white
    EXPECT_EQ(r.PaletteRGB[2], (std::array<uint8_t, 3>{140, 90, 40}));
    EXPECT_EQ(r.PaletteRGB[4], d.PaletteRGB[4]);
}

TEST(ColoursCli, ToolsMenuOnAnEmptyDraftSaysNoPattern) {
    const Applied a = Apply(Draft{}, {"colors move-used-to-top", "colors clear-unused"});
    EXPECT_EQ(a.status, 0);
    EXPECT_NE(a.out.err.find("No Pattern."), std::string::npos) << a.out.err;
}

TEST(ColoursCli, BadArgumentsAreUsageErrors) {
    for (const char* op :
         {"colors", "colors paint 1 2", "colors fill-warp ABAB 1 5", "colors fill-weft AB 1",
          "colors switch 0 256", "colors blend x 3", "colors set 3 12345", "colors set 3 GG0000"}) {
        const Applied a = Apply(Woven(), {op});
        EXPECT_EQ(a.status, ExitUsage) << op;
        EXPECT_NE(a.out.err.find("colors"), std::string::npos) << op << ": " << a.out.err;
    }
}
