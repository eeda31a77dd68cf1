#include "app/cli/outputoptions.h"

namespace hm {

std::string OutputOptions::Parse(const QStringList& args, int from) const {
    for (int i = from; i < args.size(); ++i) {
        const std::string name = args[i].toStdString();
        if (auto s = switches.find(name); s != switches.end()) {
            *s->second = true;
            continue;
        }
        if (noFill && name == "--no-fill") {
            if (i + 1 >= args.size()) return "--no-fill needs a list";
            *noFill = args[++i];
            continue;
        }
        auto n = numbers.find(name);
        if (n == numbers.end()) return "unknown option '" + name + "'";
        if (i + 1 >= args.size() || !ParseNumber(args[i + 1], *n->second))
            return name + " needs a whole number";
        ++i;
    }
    return {};
}

bool ApplyNoFill(const QString& list, DraftFill& fill) {
    for (const QString& word : list.split(u',', Qt::SkipEmptyParts)) {
        if (word == "threading")
            fill.threading = false;
        else if (word == "tieup")
            fill.tieup = false;
        else if (word == "treadling")
            fill.treadling = false;
        else if (word == "drawdown")
            fill.drawdown = false;
        else
            return false;
    }
    return true;
}

} // namespace hm
