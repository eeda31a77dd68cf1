#include "output/numericlists.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "ops/repeatlength.h"
#include "settings/messages.h"

namespace hm {

namespace {

QChar Digit(int v) {
    return QChar(u'0' + v % 10);
}

// The repeat of a search, or 2400 when none was found.
int FoundOr2400(const RepeatSearch& r) {
    return r.found ? r.length : MaxRepeatPeriod;
}

std::pair<int, int> Ordered(int a, int b, int limit) {
    if (a > b) std::swap(a, b);
    return {std::clamp(a, 1, limit), std::clamp(b, 1, limit)};
}

} // namespace

int NumericBlockWidth(bool landscape) {
    return landscape ? 100 : 75;
}

int NumericLiftplanColumns(bool landscape) {
    return landscape ? 80 : 66;
}

NumericListDialog NumericListStart(NumericList kind, const Draft& d, bool landscape) {
    NumericListDialog s;
    const QString numeric = Tr("@numprint");
    const bool ofPicks = kind == NumericList::Liftplan;
    s.firstLabel = Tr(ofPicks ? "@frompick" : "@fromend");
    s.secondLabel = Tr(ofPicks ? "@topick" : "@toend");
    const int used = ofPicks ? d.LastUsedPick() : d.LastUsedEnd();
    s.second = used;
    s.limits = {1, std::max(1, used)};
    // A long list proposes one repeat.
    switch (kind) {
    case NumericList::Threading:
        s.caption = Tr("@idthr") + " - " + numeric;
        if (used > NumericBlockWidth(landscape)) {
            const int length = std::min(d.Ends, d.LastPatternEnd(std::clamp(d.Ends, 0, MaxEnds)));
            s.second = std::min(FoundOr2400(RepeatLength(d.PatternThreading.data(), length)), used);
        }
        break;
    case NumericList::Liftplan:
        s.caption = Tr("@dragnota") + " " + numeric;
        if (used > (landscape ? 40 : 50)) {
            const int length =
                std::min(d.Picks, d.LastLiftplanPick(std::clamp(d.Picks, 0, MaxPicks)));
            s.second = std::min(FoundOr2400(LiftplanRepeatLength(d, length)), used);
        }
        break;
    case NumericList::WarpColors:
        s.caption = Tr("@idwarpcol") + " " + numeric;
        break;
    }
    s.first = 1;
    s.second = std::max(1, s.second);
    return s;
}

QStringList NumericListLines(NumericList kind, const Draft& d, const QString& currentName,
                             int first, int second, bool landscape) {
    switch (kind) {
    case NumericList::Threading:
        return ThreadingListLines(d, currentName, first, second, landscape);
    case NumericList::Liftplan:
        return LiftplanListLines(d, currentName, first, second, landscape);
    case NumericList::WarpColors:
        return WarpColorListLines(d, currentName, first, second, landscape);
    }
    return {};
}

QStringList ThreadingListLines(const Draft& d, const QString& currentName, int firstEnd,
                               int lastEnd, bool landscape) {
    const auto [first, last] = Ordered(firstEnd, lastEnd, MaxEnds);
    const int width = NumericBlockWidth(landscape);
    const int shafts = std::clamp(d.PatternShafts, 0, MaxPatternShafts);
    QStringList lines;
    for (int b = first; b <= last; b += width) {
        const int blockEnd = b + width - 1;
        const int e = std::min(blockEnd, last);
        if (b != first) lines << QString(QChar(12));
        lines << QString()
              << "  " + currentName + "     " + QString::number(shafts) + " " + Tr("@idshafts") +
                     "     " + Tr("@idends") + " " + QString::number(b) + "-" + QString::number(e);
        lines << QString() << QString();
        // One character per end of the block, the ends past the range blank.
        auto line = [&](auto cell) {
            QString s(QStringLiteral(" "));
            for (int k = 0; k < width; ++k) {
                const int i = d.ThreadingFromRight ? blockEnd - k : b + k;
                s += i > e ? QChar(u' ') : cell(i);
            }
            return s;
        };
        auto tenth = [](int i, int divisor, int from) {
            return i >= from && i % 10 == 0 ? Digit(i / divisor) : QChar(u' ');
        };
        if (blockEnd > 999) lines << line([&](int i) { return tenth(i, 1000, 1000); });
        lines << line([&](int i) { return tenth(i, 100, 100); });
        lines << line([&](int i) { return tenth(i, 10, 10); });
        lines << line([](int i) { return Digit(i); });
        lines << QString();
        lines << line([&](int i) {
            const int c = d.WarpColors[i];
            return c >= 100 ? Digit(c / 100) : QChar(u' ');
        });
        lines << line([&](int i) {
            const int c = d.WarpColors[i];
            return c >= 10 ? Digit(c / 10) : QChar(u' ');
        });
        lines << line([&](int i) { return Digit(d.WarpColors[i]); });
        lines << QString();
        for (int k = 1; k <= shafts; ++k) {
            const int s = d.ShaftOneAtBottom ? shafts - k + 1 : k;
            lines << line(
                [&](int i) { return d.PatternThreading[i] == s ? Digit(s) : QChar(u'-'); });
        }
    }
    return lines;
}

QStringList LiftplanListLines(const Draft& d, const QString& currentName, int firstPick,
                              int lastPick, bool landscape) {
    const auto [first, last] = Ordered(firstPick, lastPick, MaxPicks);
    const int width = std::clamp(d.LiftplanWidth, 0, MaxPatternShafts);
    QStringList lines;
    lines << QString()
          << "  " + currentName + "    " + QString::number(width) + " " +
                 Tr(d.PatternTieupOn ? "@idtreadlespr" : "@idshaftspr") + "    " +
                 Tr("@idpickspr") + " " + QString::number(first) + "-" + QString::number(last);
    lines << QString() << QString();
    const int columns = std::min(width, NumericLiftplanColumns(landscape));
    const bool spaced = columns < 33;
    for (int p = first; p <= last; ++p) {
        QString s = QStringLiteral(" %1#  ").arg(p, 4);
        for (int k = 0; k < columns; ++k) {
            const int c = d.ShaftOneAtBottom ? k + 1 : columns - k;
            if (spaced) s += u' ';
            s += d.GetLiftplan(p, c) ? Digit(c) : QChar(u'-');
        }
        s += "   " + QString::number(d.WeftColors[p]);
        lines << s;
    }
    return lines;
}

QStringList WarpColorListLines(const Draft& d, const QString& currentName, int firstEnd,
                               int lastEnd, bool landscape) {
    const auto [first, last] = Ordered(firstEnd, lastEnd, MaxEnds);
    QStringList lines;
    lines << QString() << "     " + currentName << QString()
          << "     " + Tr("@warpcolyarns") + ", " + Tr("@idendspr") + " " + QString::number(first) +
                 " - " + QString::number(last)
          << "     " + Tr("@pnumstart");

    std::set<int> used;
    std::vector<std::pair<int, int>> runs; // colour, length
    for (int e = first; e <= last; ++e) {
        const int c = d.WarpColors[e];
        used.insert(c);
        if (!runs.empty() && runs.back().first == c)
            ++runs.back().second;
        else
            runs.push_back({c, 1});
    }
    const int limit = NumericBlockWidth(landscape);
    size_t next = 0;
    while (next < runs.size()) {
        lines << QString() << QStringLiteral("     Index") << QString();
        std::vector<QString> rows;
        for (int c : used) rows.push_back(QString::asprintf("%8d  ", c));
        // Every row grows by the same amount, so the first tells the length.
        const qsizetype start = rows.front().size();
        while (next < runs.size()) {
            const QString length = QString::number(runs[next].second);
            const bool sectionEmpty = rows.front().size() == start;
            if (rows.front().size() + length.size() > limit && !sectionEmpty) break;
            size_t row = 0;
            for (int c : used)
                rows[row++] += c == runs[next].first ? length : QString(length.size(), u'-');
            ++next;
        }
        for (const QString& r : rows) lines << r;
    }
    return lines;
}

} // namespace hm
