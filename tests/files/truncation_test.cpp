// A file that ends early, at any byte and so at every block boundary, stops the
// read with a clear message and keeps what was read before.
#include <gtest/gtest.h>

#include <QBuffer>

#include "files/designfile.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/patternio.h"
#include "filetestsupport.h"

using namespace hm;
using namespace hmtest;

namespace {

template <typename ReadFn> void ExpectEveryPrefixEndsEarly(const QByteArray& whole, ReadFn read) {
    for (qsizetype len = 0; len < whole.size(); ++len) {
        QByteArray part = whole.left(len);
        QBuffer buffer(&part);
        buffer.open(QIODevice::ReadOnly);
        Draft d;
        const ReadResult r = read(d, buffer);
        ASSERT_EQ(r.messages.size(), 1u) << "length " << len;
        EXPECT_EQ(r.messages[0].text, msg::EndsEarly) << "length " << len;
        EXPECT_EQ(r.messages[0].kind, MessageKind::Error);
        EXPECT_TRUE(r.stoppedEarly);
        EXPECT_FALSE(r.addToRecent);
    }
}

DraftShape Small() {
    DraftShape s;
    s.ends = 12, s.picks = 9, s.patternShafts = 10;
    return s;
}

} // namespace

TEST(Truncation, HdxAtEveryLength) {
    Draft source = MakeDraft(Small());
    source.Note.assign(1, 'n');
    ExpectEveryPrefixEndsEarly(CdPatternFileBytes(source, true), [](Draft& d, QIODevice& dev) {
        return ReadCdPatternData(d, dev, QString(), HdxComponents::All());
    });
}

TEST(Truncation, HdmAtEveryLength) {
    Draft source = MakeDraft(Small());
    source.Note.assign(1, 'n');
    ExpectEveryPrefixEndsEarly(PatternFileBytes(source), [](Draft& d, QIODevice& dev) {
        return ReadPatternData(d, dev, QString(), HdmComponents::All());
    });
}

TEST(Truncation, DesignFileAtEveryLength) {
    DraftShape s = Small();
    s.design = true;
    const Draft source = MakeDraft(s);
    ExpectEveryPrefixEndsEarly(DesignFileBytes(source), [](Draft& d, QIODevice& dev) {
        ReadResult r;
        ReadDesignData(d, dev, r);
        return r;
    });
}

TEST(Truncation, KeepsWhatWasRead) {
    const Draft source = MakeDraft(Small());
    const QByteArray whole = CdPatternFileBytes(source, true);
    // Cut inside the weft colour list: the header and warp colours are in.
    const qsizetype cut = 29 + 2 + source.Ends + 2 + 3;
    QByteArray part = whole.left(cut);
    QBuffer buffer(&part);
    buffer.open(QIODevice::ReadOnly);
    Draft d;
    d.ClearDraft();
    ReadCdPatternData(d, buffer, QString(), HdxComponents::All());
    EXPECT_EQ(d.Ends, source.Ends);
    for (int e = 1; e <= source.Ends; ++e) EXPECT_EQ(d.WarpColors[e], source.WarpColors[e]);
    EXPECT_FALSE(d.DesignMode);
}
