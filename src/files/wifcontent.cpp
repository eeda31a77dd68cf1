#include "files/wifcontent.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <set>

namespace hm {

namespace {

// Numbers above this are no thread, shaft, treadle or colour of any real draft;
// keeping them out also keeps the arithmetic on them safe.
constexpr int LargestNumber = 999999;

bool ParseInt(const std::string& text, int& value, bool allowNegative = false) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin == end) return false;
    if (*begin == '+') ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) return false;
    if (value > LargestNumber || value < (allowNegative ? -LargestNumber : 0)) return false;
    return true;
}

// A comma list of whole numbers; blanks around them are allowed, empty places skipped.
bool ParseNumbers(const std::string& text, std::vector<int>& values, bool allowNegative = false) {
    values.clear();
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        std::string piece = text.substr(start, comma - start);
        piece.erase(0, piece.find_first_not_of(" \t"));
        piece.erase(piece.find_last_not_of(" \t") + 1);
        if (!piece.empty()) {
            int v = 0;
            if (!ParseInt(piece, v, allowNegative)) return false;
            values.push_back(v);
        }
        start = comma + 1;
    }
    return true;
}

// Calls use for each entry of the section whose key is a number (0 only with
// zeroKey); reports bad keys, and repeated keys (the later entry counts).
void ForEachNumbered(const WifSections& sections, const std::string& name, bool zeroKey,
                     WifProblems& problems, const std::function<bool(int, const WifEntry&)>& use) {
    const WifSection* section = sections.Find(name);
    if (!section) return;
    std::set<int> seen;
    for (const WifEntry& e : section->entries) {
        int key = 0;
        if (!ParseInt(e.key, key) || (key == 0 && !zeroKey)) {
            problems.Line("@wifbadkey", e.line, e.text);
            continue;
        }
        if (use(key, e) && !seen.insert(key).second) problems.Line("@wifduplicate", e.line, e.text);
    }
}

// Lists of numbers by key, sorted, without repeats and (unless keepZeros) without 0s.
WifLists ReadLists(const WifSections& sections, const std::string& name, bool keepZeros,
                   bool zeroKey, WifProblems& problems) {
    WifLists lists;
    ForEachNumbered(sections, name, zeroKey, problems, [&](int key, const WifEntry& e) {
        std::vector<int> values;
        if (!ParseNumbers(e.value, values)) {
            problems.Line("@wifbadnumbers", e.line, e.text);
            return false;
        }
        if (!keepZeros) values.erase(std::remove(values.begin(), values.end(), 0), values.end());
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        lists[key] = std::move(values);
        return true;
    });
    return lists;
}

int ReadCount(const WifSections& sections, const std::string& section, const std::string& key,
              WifProblems& problems) {
    const WifEntry* e = sections.Value(section, key);
    int value = 0;
    if (!e || e->value.empty()) return 0;
    if (!ParseInt(e->value, value)) {
        problems.Line("@wifbadnumbers", e->line, e->text);
        return 0;
    }
    return value;
}

WifColorIndex ColorIndexOf(const WifEntry& e, const std::vector<int>& values) {
    return {values.empty() ? -1 : values.front(), e.line, e.text};
}

// The units of thread spacing, known by the start of their name in any case.
struct SpacingUnit {
    const char* prefix;
    double inches;
    bool metric;
};
constexpr SpacingUnit SpacingUnits[] = {{"inch", 1.0, false},
                                        {"centim", 1.0 / 2.54, true},
                                        {"millim", 1.0 / 25.4, true},
                                        {"decipoint", 1.0 / 720.0, false}};

void ReadThreads(const WifSections& sections, const std::string& name,
                 const std::string& colorSection, WifThreads& t, WifProblems& problems) {
    t.threads = ReadCount(sections, name, "THREADS", problems);
    if (const WifEntry* e = sections.Value(name, "COLOR"); e && !e->value.empty()) {
        std::vector<int> values;
        if (ParseNumbers(e->value, values) && values.size() == 1)
            t.defaultColor = ColorIndexOf(*e, values);
        else
            problems.Line("@wifbadnumbers", e->line, e->text);
    }
    const WifEntry* spacing = sections.Value(name, "SPACING");
    const WifEntry* units = sections.Value(name, "UNITS");
    if (spacing && !spacing->value.empty()) {
        bool ok = false;
        const double s = QByteArray::fromStdString(spacing->value).toDouble(&ok);
        if (ok && std::isfinite(s) && s > 0)
            t.spacing = s;
        else
            problems.Line("@wifbadvalue", spacing->line, spacing->text);
    }
    if (units && !units->value.empty()) {
        const QByteArray name = QByteArray::fromStdString(units->value).toLower();
        const auto* unit =
            std::find_if(std::begin(SpacingUnits), std::end(SpacingUnits),
                         [&](const SpacingUnit& u) { return name.startsWith(u.prefix); });
        if (unit != std::end(SpacingUnits)) {
            t.unitInInches = unit->inches;
            t.metric = unit->metric;
        } else {
            problems.Line("@wifbadvalue", units->line, units->text);
        }
    }
    ForEachNumbered(sections, colorSection, false, problems, [&](int key, const WifEntry& e) {
        std::vector<int> values;
        if (!ParseNumbers(e.value, values) || values.size() > 1) {
            problems.Line("@wifbadnumbers", e.line, e.text);
            return false;
        }
        if (values.empty()) {
            t.colors.erase(key); // an empty value means the default colour
        } else {
            t.colors[key] = ColorIndexOf(e, values);
        }
        return true;
    });
}

void ReadColorTable(const WifSections& sections, WifContent& c, WifProblems& problems) {
    int low = 0, high = 255;
    if (const WifEntry* e = sections.Value("COLOR PALETTE", "RANGE"); e && !e->value.empty()) {
        std::vector<int> range;
        if (ParseNumbers(e->value, range, true) && range.size() == 2 && range[1] > range[0]) {
            low = range[0];
            high = range[1];
        } else {
            problems.Line("@wifbadvalue", e->line, e->text);
        }
    }
    ForEachNumbered(sections, "COLOR TABLE", false, problems, [&](int key, const WifEntry& e) {
        std::vector<int> rgb;
        if (!ParseNumbers(e.value, rgb, true) || rgb.size() != 3) {
            problems.Line("@wifbadvalue", e.line, e.text);
            return false;
        }
        std::array<uint8_t, 3> color{};
        for (size_t i = 0; i < 3; ++i) {
            const double scaled = std::round((rgb[i] - low) * 255.0 / (high - low));
            color[i] = static_cast<uint8_t>(std::clamp(scaled, 0.0, 255.0));
        }
        c.colorTable[key] = color;
        return true;
    });
}

} // namespace

int WifContent::LastUsed(const WifLists& lists) {
    for (auto it = lists.rbegin(); it != lists.rend(); ++it)
        if (!it->second.empty()) return it->first;
    return 0;
}

bool LooksLikeWif(const WifSections& sections) {
    for (const char* name : {"WIF", "THREADING", "TREADLING", "LIFTPLAN", "TIEUP"})
        if (sections.Has(name)) return true;
    return false;
}

WifContent ReadWifContent(const WifSections& s, WifProblems& problems) {
    WifContent c;
    c.declaredShafts = ReadCount(s, "WEAVING", "SHAFTS", problems);
    c.declaredTreadles = ReadCount(s, "WEAVING", "TREADLES", problems);
    if (const WifEntry* e = s.Value("WEAVING", "RISING SHED");
        e && !ParseWifBool(e->value, c.rising))
        problems.Line("@wifbadvalue", e->line, e->text);

    c.threading = ReadLists(s, "THREADING", false, false, problems);
    c.liftplan = ReadLists(s, "LIFTPLAN", false, false, problems);
    // Some files number their treadles from 0, in the tie-up and in the treadling
    // alike; there a 0 in the treadling is the first treadle, not an empty pick.
    WifLists tieup = ReadLists(s, "TIEUP", false, true, problems);
    c.zeroBasedTreadles = tieup.count(0) > 0;
    for (auto& [treadle, shafts] : tieup) c.tieup[treadle + (c.zeroBasedTreadles ? 1 : 0)] = shafts;
    c.treadling = ReadLists(s, "TREADLING", c.zeroBasedTreadles, false, problems);
    if (c.zeroBasedTreadles) {
        problems.Add({MessageKind::Information, "@wifzerobased", {}});
        for (auto& [pick, treadles] : c.treadling)
            for (int& t : treadles) ++t;
    }
    c.useLiftplan = WifContent::LastUsed(c.liftplan) > 0 ||
                    (s.Has("LIFTPLAN") && WifContent::LastUsed(c.treadling) == 0);

    ReadColorTable(s, c, problems);
    ReadThreads(s, "WARP", "WARP COLORS", c.warp, problems);
    ReadThreads(s, "WEFT", "WEFT COLORS", c.weft, problems);

    if (const WifEntry* e = s.Value("TEXT", "TITLE")) c.title = e->value;
    if (const WifEntry* e = s.Value("TEXT", "AUTHOR")) c.author = e->value;
    std::map<int, std::string> notes;
    ForEachNumbered(s, "NOTES", false, problems, [&](int key, const WifEntry& e) {
        notes[key] = e.value;
        return true;
    });
    for (auto& [key, line] : notes) c.notes.push_back(std::move(line));
    return c;
}

} // namespace hm
