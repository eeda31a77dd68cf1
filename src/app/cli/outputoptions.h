#pragma once
// Options that the print and render commands share: named whole numbers,
// switches and the comma list of Fill boxes to leave unchecked.

#include <QStringList>
#include <map>
#include <string>

#include "app/cli/clisupport.h"
#include "output/draftpicture.h"

namespace hm {

// Parses args[from..] as "--name N" numbers and "--name" switches. Unknown
// options and bad numbers give a usage message (the return value, empty when
// all is well). Numbers not given keep their values.
struct OutputOptions {
    std::map<std::string, int*> numbers;
    std::map<std::string, bool*> switches;
    QString* noFill = nullptr; // --no-fill LIST, when the command has it
    std::string Parse(const QStringList& args, int from) const;
};

// Applies a --no-fill list (threading,tieup,treadling,drawdown); false for an
// unknown word.
bool ApplyNoFill(const QString& list, DraftFill& fill);

} // namespace hm
