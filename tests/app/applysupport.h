#pragma once
// Running heddlemark-cli apply on drafts written to a temporary folder.

#include <QStringList>
#include <gtest/gtest.h>

#include "app/cli/clicommands.h"
#include "files/hdxfile.h"
#include "filetestsupport.h"

namespace hmtest {

// Runs apply with the given operations; returns the exit status.
inline int Apply(const QString& in, const QString& out, const QStringList& operations,
                 hm::CliOutput& o) {
    QStringList args{"apply", in, out};
    for (const QString& op : operations) args << "--op" << op;
    return hm::RunCli(args, o);
}

inline QString Write(const TempFolder& dir, const QString& name, const hm::Draft& d) {
    const QString path = dir.Path(name);
    EXPECT_TRUE(hm::WriteCdPatternFile(d, path, true).ok);
    return path;
}

} // namespace hmtest
