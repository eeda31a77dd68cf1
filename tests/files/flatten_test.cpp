// The cloth of a draft on one harness, and its export to .hdm.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "files/flatten.h"
#include "files/hdmexport.h"
#include "files/openfile.h"
#include "filetestsupport.h"
#include "model/drawdown.h"

using namespace hm;
using namespace hmtest;

namespace {

Draft PatternDraft(std::initializer_list<int> threading,
                   std::initializer_list<std::vector<int>> lifts) {
    Draft d;
    d.ClearDraft();
    d.Ends = d.Picks = 20;
    int e = 1;
    for (int s : threading) d.PatternThreading[e++] = static_cast<uint8_t>(s);
    int p = 1;
    for (const auto& shafts : lifts) {
        for (int s : shafts) d.SetLiftplan(p, s, true);
        ++p;
    }
    return d;
}

// A 2/2 twill on four shafts and four treadles of group A alone.
Draft GroundTwill() {
    Draft d;
    d.ClearDraft();
    d.PatternThreadingOn = d.ThreadingBOn = d.TreadlingBOn = false;
    d.Ends = 32, d.Picks = 24;
    for (int e = 1; e <= d.Ends; ++e) d.ThreadingA[e] = static_cast<uint8_t>(1 + (e - 1) % 4);
    for (int p = 1; p <= d.Picks; ++p) d.TreadlingA[p] = static_cast<uint8_t>(1 + (p - 1) % 4);
    for (int t = 1; t <= 4; ++t)
        for (int k = 0; k < 2; ++k) d.TieupAA(1 + (t - 1 + k) % 4, t) = TieGround;
    return d;
}

// A damask: a five-end satin on group A, whose blocks of the pattern threading
// turn warp-faced where the liftplan lifts them. The satin point of a treadle is
// a ground tie, every other shaft but one a pattern tie.
Draft Damask() {
    Draft d;
    d.ClearDraft();
    d.ThreadingBOn = d.TreadlingBOn = false;
    d.Ends = 60, d.Picks = 50;
    d.PatternShafts = d.LiftplanWidth = 4;
    for (int e = 1; e <= d.Ends; ++e) {
        d.ThreadingA[e] = static_cast<uint8_t>(1 + (e - 1) % 5);
        d.PatternThreading[e] = static_cast<uint8_t>(1 + ((e - 1) / 5) % 4);
    }
    for (int p = 1; p <= d.Picks; ++p) {
        d.TreadlingA[p] = static_cast<uint8_t>(1 + (p - 1) % 5);
        for (int s = 1; s <= 4; ++s) d.SetLiftplan(p, s, ((p - 1) / 5 + s) % 3 == 0);
    }
    for (int t = 1; t <= 5; ++t) {
        const int point = 1 + ((t - 1) * 2) % 5, down = 1 + ((t - 1) * 2 + 1) % 5;
        for (int s = 1; s <= 5; ++s)
            d.TieupAA(s, t) = s == point ? TieGround : s == down ? TieNone : TiePattern;
    }
    return d;
}

Draft ExportAndReopen(const Draft& d, const QString& path, HdmExportResult* out = nullptr) {
    const HdmExportResult result = ExportPatternFile(d, path, HdmGroundLoss::Refuse);
    EXPECT_TRUE(result.saved.ok) << result.saved.error.text;
    if (out) *out = result;
    Draft back;
    const OpenResult opened = OpenPatternFile(back, path);
    EXPECT_FALSE(opened.read.HasError());
    return back;
}

} // namespace

TEST(Flatten, NumbersDistinctColumnsInOrderOfFirstAppearance) {
    // Shafts 1 and 3 lift alike; end 4 is never up.
    const Draft d = PatternDraft({2, 1, 2, 0, 3, 1}, {{1, 3}, {1, 3}, {2}});
    const FlatCloth flat = FlattenCloth(d, {6, 3}, false);
    ASSERT_EQ(flat.Shafts(), 2);
    const int expected[] = {1, 2, 1, 0, 2, 2};
    for (int e = 1; e <= 6; ++e) EXPECT_EQ(flat.ShaftOf(e), expected[e - 1]) << e;
    EXPECT_TRUE(flat.WarpUp(3, 1));
    EXPECT_FALSE(flat.WarpUp(1, 1));
    EXPECT_TRUE(flat.WarpUp(1, 2));

    // When the blank column is the one that is always up, the empty end needs a shaft.
    const FlatCloth up = FlattenCloth(d, {6, 3}, true);
    EXPECT_EQ(up.Shafts(), 3);
    EXPECT_EQ(up.ShaftOf(4), 3);
}

TEST(Flatten, DraftClothReachesEveryEntryInUse) {
    Draft ground = GroundTwill();
    ground.Ends = 20;
    EXPECT_EQ(DraftCloth(ground).ends, 32);
    EXPECT_EQ(DraftCloth(ground).picks, 24);
    ground.ThreadingB[40] = 1; // group B is off: not part of the cloth
    ground.Picks = 30;
    EXPECT_EQ(DraftCloth(ground).ends, 32);
    EXPECT_EQ(DraftCloth(ground).picks, 30);

    Draft design;
    design.DesignMode = true;
    design.Ends = design.Picks = 50;
    design.SetDesignCell(3, 90, true);
    EXPECT_EQ(DraftCloth(design).ends, 90);
    EXPECT_EQ(DraftCloth(design).picks, 50);
}

TEST(Flatten, KeepsTheDrawdownOfEveryKindOfDraft) {
    for (const DraftShape& shape : ClothShapes()) {
        SCOPED_TRACE(DescribeShape(shape));
        const Draft d = MakeDraft(shape);
        const ClothSize size = DraftCloth(d);
        for (bool blankUp : {false, true}) {
            const FlatCloth flat = FlattenCloth(d, size, blankUp);
            for (int p = 1; p <= size.picks; ++p)
                for (int e = 1; e <= size.ends; ++e) {
                    const int shaft = flat.ShaftOf(e);
                    const bool up = shaft ? flat.WarpUp(p, shaft) : blankUp;
                    ASSERT_EQ(up, WarpOnTop(d, p, e)) << "pick " << p << " end " << e;
                }
        }
    }
}

TEST(HdmExport, GroundTwillAndDamaskComeBackCellForCell) {
    TempFolder dir;
    for (const Draft& d : {GroundTwill(), Damask()}) {
        EXPECT_TRUE(PlanHdmExport(d).flatten);
        HdmExportResult result;
        const Draft back = ExportAndReopen(d, dir.Path("cloth.hdm"), &result);
        EXPECT_EQ(SameCloth(d, back), "");
        ASSERT_EQ(result.notices.size(), 1u);
        EXPECT_EQ(result.notices[0].text, "@hdmascloth");
    }
    // The twill's four distinct ends become four pattern shafts.
    EXPECT_EQ(PlanHdmExport(GroundTwill()).shaftsNeeded, 4);
}

TEST(HdmExport, EveryKindOfDraftComesBackCellForCell) {
    TempFolder dir;
    for (const DraftShape& shape : ClothShapes()) {
        SCOPED_TRACE(DescribeShape(shape));
        const Draft d = MakeDraft(shape);
        EXPECT_EQ(SameCloth(d, ExportAndReopen(d, dir.Path("random.hdm"))), "");
    }
}

TEST(HdmExport, FlattensOnlyWhatThePatternLevelCannotHold) {
    struct Case {
        const char* name;
        std::function<void(Draft&)> change;
        bool flatten;
    };
    const Case cases[] = {
        {"pattern level alone", [](Draft&) {}, false},
        {"a threading A", [](Draft& d) { d.ThreadingA[5] = 1; }, true},
        {"a tie-up cell", [](Draft& d) { d.TieupBB(2, 2) = TiePattern; }, true},
        {"treadling B while switched off",
         [](Draft& d) {
             d.TreadlingBOn = false;
             d.TreadlingB[3] = 1;
         },
         false},
        {"pattern level switched off", [](Draft& d) { d.PatternThreadingOn = false; }, true},
        {"Design mode with a ground",
         [](Draft& d) {
             d.DesignMode = true;
             d.ThreadingA[5] = d.TreadlingA[5] = 1;
         },
         false},
    };
    for (const Case& c : cases) {
        Draft d = PatternDraft({1, 2, 3}, {{1}, {2, 3}});
        c.change(d);
        EXPECT_EQ(PlanHdmExport(d).flatten, c.flatten) << c.name;
    }
}

TEST(HdmExport, MoreThan128ShaftsAreRefusedUnlessTheGroundMayBeLost) {
    const Draft d = WideGroundDraft();
    const HdmExportPlan plan = PlanHdmExport(d);
    EXPECT_EQ(plan.shaftsNeeded, 160);
    EXPECT_TRUE(plan.LosesGround());

    TempFolder dir;
    const QString path = dir.Path("wide.hdm");
    const HdmExportResult refused = ExportPatternFile(d, path, HdmGroundLoss::Refuse);
    EXPECT_FALSE(refused.saved.ok);
    EXPECT_EQ(refused.saved.error.text, "@hdmtoomanyshafts");
    EXPECT_EQ(refused.saved.error.suffix, " 160");
    EXPECT_FALSE(QFileInfo::exists(path));

    const HdmExportResult accepted = ExportPatternFile(d, path, HdmGroundLoss::Accept);
    ASSERT_TRUE(accepted.saved.ok);
    ASSERT_EQ(accepted.notices.size(), 1u);
    EXPECT_EQ(accepted.notices[0].text, "@hdmgroundlost");
}
