// The design pictures that travel beside a pattern file in Design mode: a BMP
// companion for version 5 and an .hdb companion from version 6 on, for both
// pattern formats, read through the real file readers.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "files/designfile.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

constexpr int Ends = 4;
constexpr int Picks = 3;

// A pattern file in Design mode with Ends x Picks, whose pattern level gives a
// picture with end 1 lifted on every pick and nothing else.
Bytes DesignModePatternFile(PatternFormat format, int version) {
    Bytes f;
    if (format == PatternFormat::Hdm) {
        f = HdmHeader(version, 8, 8, Ends, Picks);
        f.list({1, 2, 2, 2}).list({}).list({});
        f.u16(Picks).bs({0x01, 0x01, 0x01});
    } else {
        f = HdxHeader(version, 8, 8, 2, 2, 2, 2, Ends, Picks, true, false, false);
        f.list({}).list({}).list({1, 2, 2, 2});
        f.u16(Picks).bs({0x01, 0x01, 0x01});
        f.list({}).list({}).bs({0, 0, 0, 0});
    }
    f.v[6] = 1; // Design mode
    return f.fill(66, 0).b(0).u16(0);
}

ReadResult ReadWhole(Draft& d, PatternFormat format, const QString& path) {
    d.ClearDraft();
    // A picture opened on its own would follow these; a companion never does.
    d.ThreadingFromRight = false;
    d.LiftplanFromBottom = false;
    return format == PatternFormat::Hdm ? ReadPatternFile(d, path, HdmComponents::All())
                                        : ReadCdPatternFile(d, path, HdxComponents::All());
}

QString Name(PatternFormat format) {
    return format == PatternFormat::Hdm ? "Rose.hdm" : "Rose.hdx";
}

} // namespace

TEST(DesignCompanion, VersionFiveReadsTheBitmapWithBothAxesReversed) {
    for (const PatternFormat format : {PatternFormat::Hdm, PatternFormat::Hdx}) {
        SCOPED_TRACE(Name(format).toStdString());
        TempFolder dir;
        const QString path = dir.Write(Name(format), DesignModePatternFile(format, 5));
        // A 4 x 3 picture, black only at its top left pixel.
        QImage image(Ends, Picks, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setPixel(0, 0, qRgb(0, 0, 0));
        ASSERT_TRUE(image.save(CompanionBitmap(path, format), "BMP"));

        Draft d;
        const ReadResult r = ReadWhole(d, format, path);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_TRUE(d.DesignMode);
        // The picture replaces the one built from the pattern level.
        EXPECT_TRUE(d.GetDesignCell(Picks, Ends));
        EXPECT_FALSE(d.GetDesignCell(1, 1));
        int set = 0;
        for (int j = 1; j <= 10; ++j)
            for (int i = 1; i <= 10; ++i) set += d.GetDesignCell(j, i);
        EXPECT_EQ(set, 1);
    }
}

TEST(DesignCompanion, DesignFileCellsBeyondEndsAndPicksAreCleared) {
    for (const PatternFormat format : {PatternFormat::Hdm, PatternFormat::Hdx}) {
        for (const int version : {6, 7}) {
            SCOPED_TRACE(Name(format).toStdString() + " version " + std::to_string(version));
            TempFolder dir;
            const QString path = dir.Write(Name(format), DesignModePatternFile(format, version));
            // Ten rows of 16 columns, every cell set.
            Bytes hdb;
            hdb.bs({'H', 'M'}).fill(8, 0).u16(1).u16(10).fill(114, 0);
            for (int row = 1; row <= 10; ++row) hdb.bs({0xFF, 0xFF});
            dir.Write(CompanionDesignFile(path, format).section('/', -1), hdb);

            Draft d;
            const ReadResult r = ReadWhole(d, format, path);
            EXPECT_TRUE(r.messages.empty());
            ASSERT_TRUE(d.DesignMode);
            for (int j = 1; j <= 10; ++j)
                for (int i = 1; i <= 16; ++i)
                    ASSERT_EQ(d.GetDesignCell(j, i), j <= Picks && i <= Ends)
                        << "pick " << j << " end " << i;
        }
    }
}
