#include "files/draftjson.h"

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <type_traits>

namespace hm {

namespace {

class JsonWriter {
  public:
    void Key(const char* name) {
        Separator();
        out_ += '"';
        out_ += name;
        out_ += "\":";
        fresh_ = true;
    }
    void Number(long v) {
        Separator();
        out_ += std::to_string(v);
    }
    void Bool(bool v) {
        Separator();
        out_ += v ? "true" : "false";
    }
    void String(const std::string& s) {
        Separator();
        out_ += '"';
        for (unsigned char c : s) {
            switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out_ += buf;
                } else {
                    out_ += static_cast<char>(c);
                }
            }
        }
        out_ += '"';
    }
    void Open(char c) {
        Separator();
        out_ += c;
        fresh_ = true;
    }
    void Close(char c) {
        out_ += c;
        fresh_ = false;
    }
    template <typename T> void Field(const char* name, T value) {
        Key(name);
        if constexpr (std::is_same_v<T, bool>)
            Bool(value);
        else
            Number(value);
    }
    template <int N> void ByteArray(const OneBasedBytes<N>& a, int count) {
        Open('[');
        for (int i = 1; i <= std::clamp(count, 0, N); ++i) Number(a[i]);
        Close(']');
    }
    // An array of `count` arrays; row(r) writes the elements of row r (1-based).
    template <typename F> void Rows(int count, F row) {
        Open('[');
        for (int r = 1; r <= count; ++r) {
            Open('[');
            row(r);
            Close(']');
        }
        Close(']');
    }
    std::string& Text() { return out_; }

  private:
    void Separator() {
        if (!fresh_) out_ += ',';
        fresh_ = false;
    }
    std::string out_;
    bool fresh_ = true;
};

} // namespace

std::string MessageKeyText(const Message& m) {
    return m.text + m.suffix;
}

std::string DraftToJson(const Draft& d, const Messages& messages) {
    JsonWriter j;
    j.Open('{');
    const std::pair<const char*, long> numbers[] = {
        {"Ends", d.Ends},
        {"Picks", d.Picks},
        {"PatternShafts", d.PatternShafts},
        {"LiftplanWidth", d.LiftplanWidth},
        {"ShaftsA", d.ShaftsA},
        {"ShaftsB", d.ShaftsB},
        {"TreadlesA", d.TreadlesA},
        {"TreadlesB", d.TreadlesB},
        {"UsedEnds", d.UsedEnds},
        {"UsedPicks", d.UsedPicks},
        {"Zoom", d.Zoom},
        {"FabricZoom", d.FabricZoom},
        {"Epi", d.Epi},
        {"Ppi", d.Ppi},
        {"WarpRepeat", d.WarpRepeat},
        {"WeftRepeat", d.WeftRepeat},
        {"WarpColorRepeat", d.WarpColorRepeat},
        {"WeftColorRepeat", d.WeftColorRepeat},
    };
    for (const auto& [name, value] : numbers) j.Field(name, value);
    const std::pair<const char*, bool> flags[] = {
        {"PatternThreadingOn", d.PatternThreadingOn},
        {"ThreadingBOn", d.ThreadingBOn},
        {"TreadlingBOn", d.TreadlingBOn},
        {"SinkingShed", d.SinkingShed},
        {"DesignMode", d.DesignMode},
        {"FabricCompression", d.FabricCompression},
        {"LiftplanFromBottom", d.LiftplanFromBottom},
        {"ThreadingFromRight", d.ThreadingFromRight},
        {"ShaftOneAtBottom", d.ShaftOneAtBottom},
        {"Inches", d.Inches},
    };
    for (const auto& [name, value] : flags) j.Field(name, value);
    const int ends = std::clamp(d.Ends, 0, MaxEnds);
    const int picks = std::clamp(d.Picks, 0, MaxPicks);
    static_assert(MaxEnds == MaxPicks);
    const std::tuple<const char*, const OneBasedBytes<MaxEnds>*, int> arrays[] = {
        {"PatternThreading", &d.PatternThreading, ends},
        {"ThreadingA", &d.ThreadingA, ends},
        {"ThreadingB", &d.ThreadingB, ends},
        {"WarpColors", &d.WarpColors, ends},
        {"TreadlingA", &d.TreadlingA, picks},
        {"TreadlingB", &d.TreadlingB, picks},
        {"WeftColors", &d.WeftColors, picks},
    };
    for (const auto& [name, array, count] : arrays) {
        j.Key(name);
        j.ByteArray(*array, count);
    }

    j.Key("Liftplan");
    j.Rows(picks, [&](int p) {
        for (int c = 1; c <= MaxPatternShafts; ++c)
            if (d.GetLiftplan(p, c)) j.Number(c);
    });

    const std::pair<const char*, const TieupBlock*> tieups[] = {{"TieupAA", &d.TieupAA},
                                                                {"TieupAB", &d.TieupAB},
                                                                {"TieupBA", &d.TieupBA},
                                                                {"TieupBB", &d.TieupBB}};
    for (const auto& named : tieups) {
        const TieupBlock* tieup = named.second;
        j.Key(named.first);
        j.Rows(32, [&](int s) {
            for (int t = 1; t <= 32; ++t) j.Number((*tieup)(s, t));
        });
    }

    j.Key("Palette");
    j.Rows(PaletteEntries, [&](int i) {
        for (uint8_t c : d.PaletteRGB[static_cast<size_t>(i - 1)]) j.Number(c);
    });

    j.Key("Note");
    j.String(d.Note);

    if (d.DesignMode) {
        j.Key("DesignGrid");
        j.Rows(std::min(picks, DesignSize), [&](int r) {
            const uint8_t* row = d.DesignRow(r);
            for (int b = 0; b < DesignRowBytes; ++b)
                for (unsigned v = row[b]; v; v &= v - 1) j.Number(b * 8 + __builtin_ctz(v) + 1);
        });
    }

    j.Key("Messages");
    j.Open('[');
    for (const Message& m : messages) {
        j.Open('{');
        j.Key("kind");
        j.String(m.kind == MessageKind::Error ? "error" : "notice");
        j.Key("text");
        j.String(MessageKeyText(m));
        j.Close('}');
    }
    j.Close(']');
    j.Close('}');
    j.Text() += '\n';
    return std::move(j.Text());
}

} // namespace hm
