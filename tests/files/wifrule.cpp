#include "wifrule.h"

#include <QList>
#include <map>
#include <set>
#include <string>

#include "model/drawdown.h"

namespace hmtest {

namespace {

using Lists = std::map<int, std::set<int>>;
using Sections = std::map<QByteArray, std::map<QByteArray, QByteArray>>;

Sections Parse(const QByteArray& text) {
    Sections sections;
    QByteArray current;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            current = line.mid(1, line.size() - 2).toUpper();
        } else if (const qsizetype eq = line.indexOf('='); eq > 0) {
            sections[current][line.left(eq).trimmed().toUpper()] = line.mid(eq + 1).trimmed();
        }
    }
    return sections;
}

Lists ListsOf(const Sections& s, const char* name) {
    Lists lists;
    const auto it = s.find(name);
    if (it == s.end()) return lists;
    for (const auto& [key, value] : it->second)
        for (const QByteArray& n : value.split(','))
            if (n.toInt() > 0) lists[key.toInt()].insert(n.toInt());
    return lists;
}

} // namespace

WifCloth WifRuleCloth(const QByteArray& text) {
    const Sections s = Parse(text);
    const auto value = [&](const char* section, const char* key) {
        const auto it = s.find(section);
        return it == s.end() || !it->second.count(key) ? QByteArray() : it->second.at(key);
    };
    WifCloth cloth;
    cloth.ends = value("WARP", "THREADS").toInt();
    cloth.picks = value("WEFT", "THREADS").toInt();
    const QByteArray shed = value("WEAVING", "RISING SHED").toLower();
    const bool sinking = shed == "false" || shed == "no" || shed == "off" || shed == "0";
    const Lists threading = ListsOf(s, "THREADING"), tieup = ListsOf(s, "TIEUP"),
                treadling = ListsOf(s, "TREADLING"), liftplan = ListsOf(s, "LIFTPLAN");
    const bool useLiftplan = s.count("LIFTPLAN") > 0;
    cloth.up.assign(static_cast<size_t>(cloth.ends * cloth.picks), false);
    for (int p = 1; p <= cloth.picks; ++p) {
        std::set<int> lifted;
        if (useLiftplan) {
            if (liftplan.count(p)) lifted = liftplan.at(p);
        } else if (treadling.count(p)) {
            for (int t : treadling.at(p))
                if (tieup.count(t)) lifted.insert(tieup.at(t).begin(), tieup.at(t).end());
        }
        for (int e = 1; e <= cloth.ends; ++e) {
            bool up = false;
            if (threading.count(e))
                for (int shaft : threading.at(e)) up = up || lifted.count(shaft);
            cloth.up[static_cast<size_t>((p - 1) * cloth.ends + (e - 1))] = up != sinking;
        }
    }
    return cloth;
}

std::string CompareWithWif(const hm::Draft& d, const WifCloth& cloth, int ends, int picks) {
    for (int p = 1; p <= picks; ++p)
        for (int e = 1; e <= ends; ++e) {
            const bool inFile = e <= cloth.ends && p <= cloth.picks;
            const bool wif = inFile && cloth.WarpUp(p, e);
            if (wif != hm::WarpOnTop(d, p, e))
                return "pick " + std::to_string(p) + " end " + std::to_string(e) +
                       (inFile ? "" : " (beyond the file)");
        }
    return {};
}

} // namespace hmtest
