#pragma once
// WIF (Weaving Information File, version 1.1), the text format in which weaving
// programs trade drafts.
//
// Reading maps a WIF onto the draft so that its cloth is kept exactly: a
// treadled draft that fits (at most 32 shafts and 32 treadles, one treadle per
// pick) becomes threading A, treadling A and tie-up AA with the pattern level
// off; any other becomes the pattern level (pattern threading and liftplan, up
// to 128 shafts) with the ground empty.
//
// Writing keeps the cloth too: a ground weave on group A alone is written as
// threading, treadling and tie-up; any other draft is written as a liftplan
// over one shaft per distinct drawdown column, with no limit on their number.

#include <QByteArray>
#include <QString>

#include "files/patternio.h"
#include "files/savefile.h"
#include "model/draft.h"

namespace hm {

// Reads a whole WIF into the draft as File > Open does. A file that cannot be
// taken at all (not a WIF, more than 4800 ends or picks, more than 128 shafts)
// gives an error and leaves the draft as it was; damaged lines give notices
// naming the line, and the rest is read.
ReadResult ReadWifFile(Draft& d, const QString& path);
ReadResult ReadWifData(Draft& d, const QByteArray& bytes);

// Whether the draft goes into a WIF as threading, treadling and tie-up (a
// ground weave on group A alone), else as a flattened liftplan.
bool WifWritesTreadling(const Draft& d);

// The text of a WIF file of the draft.
QByteArray WifFileBytes(const Draft& d);
// Writes it, replacing an old file only once the new one is complete on disk.
SaveResult WriteWifFile(const Draft& d, const QString& path);

} // namespace hm
