#pragma once
// Steps that both pattern writers share.

#include <QByteArray>
#include <QString>

#include "files/bytewriter.h"
#include "files/savefile.h"
#include "model/draft.h"

namespace hm {

// Liftplan columns a file carries: the pattern shafts or, when more, the liftplan
// width, within 1..128.
int WrittenLiftplanWidth(const Draft& d);

// Bytes 0 to 10, laid out alike in both pattern formats: the signature, version
// 7, type "d", zoom, pattern shafts, liftplan width, Design mode, shed,
// compression and the two densities.
void WriteSharedHeader(ByteWriter& w, const Draft& d, char signature, int liftplanWidth);

// Saves the companion design file (when given) and then the pattern file, each
// atomically; the companion goes first so that a failure leaves the old pair.
SaveResult SavePatternWithCompanion(const QString& path, const QByteArray& bytes,
                                    const QString& companionPath, const QByteArray& companion);

} // namespace hm
