#pragma once
// Helpers for the pattern file tests: byte builders, temporary files and
// varied drafts.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/draft.h"

namespace hmtest {

// Builds file bytes block by block.
struct Bytes {
    std::vector<uint8_t> v;
    Bytes& b(int x) {
        v.push_back(static_cast<uint8_t>(x));
        return *this;
    }
    Bytes& bs(std::initializer_list<int> xs) {
        for (int x : xs) b(x);
        return *this;
    }
    Bytes& u16(int x) { return b(x >> 8).b(x & 0xFF); }
    Bytes& fill(int count, int x) {
        for (int i = 0; i < count; ++i) b(x);
        return *this;
    }
    // Counted byte list of the given values.
    Bytes& list(std::initializer_list<int> xs) {
        u16(static_cast<int>(xs.size()));
        return bs(xs);
    }
    Bytes& append(const Bytes& other) {
        v.insert(v.end(), other.v.begin(), other.v.end());
        return *this;
    }
    QByteArray q() const {
        return QByteArray(reinterpret_cast<const char*>(v.data()),
                          static_cast<qsizetype>(v.size()));
    }
};

// An .hdm header (offsets 0..23): "{", version, "d", zoom, shafts, width, design,
// sinking, compression byte, epi, ppi, ends, picks, unit byte, fabric zoom.
Bytes HdmHeader(int version, int shafts, int width, int ends, int picks);
// An .hdx header (offsets 0..28) for the new layout with the given groups.
Bytes HdxHeader(int version, int shafts, int width, int ka, int kb, int ma, int mb, int ends,
                int picks, bool p, bool b, bool c);

// A temporary folder for one test.
class TempFolder {
  public:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const;
    QString Write(const QString& name, const Bytes& bytes) const { return Write(name, bytes.q()); }

  private:
    QTemporaryDir dir_;
};

QByteArray ReadAll(const QString& path);

// A draft filled with pseudo-random content of the given size.
struct DraftShape {
    int ends = 120;
    int picks = 90;
    int patternShafts = 16;
    int shaftsA = 4, shaftsB = 3, treadlesA = 6, treadlesB = 2;
    bool patternOn = true, threadingB = true, treadlingB = true;
    bool sinking = false;
    bool design = false;
    unsigned seed = 1;
};
hm::Draft MakeDraft(const DraftShape& shape);

// Drafts of every kind for the tests that keep the cloth: all groups, each
// group switched off, no pattern level, a sinking shed, Design mode; tie-up
// cells 0, 1 and 2 throughout.
std::vector<DraftShape> ClothShapes();
std::string DescribeShape(const DraftShape& shape);
// A ground weave on groups A and B whose 160 ends all weave differently (an
// end is up where either of its shafts meets the pick's treadle): more
// distinct ends than the pattern level has shafts.
hm::Draft WideGroundDraft();
// The first crossing where the two drafts weave differently, over the larger
// of their sizes; empty when the cloth is the same.
std::string SameCloth(const hm::Draft& a, const hm::Draft& b);

// Compares everything the .hdx format holds; returns a description of the
// first difference, empty when equal.
std::string CompareHdx(const hm::Draft& expected, const hm::Draft& actual);
// Compares everything the .hdm format holds.
std::string CompareHdm(const hm::Draft& expected, const hm::Draft& actual);

} // namespace hmtest
