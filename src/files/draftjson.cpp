#include "files/draftjson.h"

#include <algorithm>
#include <cstdio>

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
    template <int N> void ByteArray(const OneBasedBytes<N>& a, int count) {
        Open('[');
        for (int i = 1; i <= std::clamp(count, 0, N); ++i) Number(a[i]);
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
    for (const auto& [name, value] : numbers) {
        j.Key(name);
        j.Number(value);
    }
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
    for (const auto& [name, value] : flags) {
        j.Key(name);
        j.Bool(value);
    }
    const int ends = std::clamp(d.Ends, 0, MaxEnds);
    const int picks = std::clamp(d.Picks, 0, MaxPicks);
    j.Key("PatternThreading");
    j.ByteArray(d.PatternThreading, ends);
    j.Key("ThreadingA");
    j.ByteArray(d.ThreadingA, ends);
    j.Key("ThreadingB");
    j.ByteArray(d.ThreadingB, ends);
    j.Key("WarpColors");
    j.ByteArray(d.WarpColors, ends);
    j.Key("TreadlingA");
    j.ByteArray(d.TreadlingA, picks);
    j.Key("TreadlingB");
    j.ByteArray(d.TreadlingB, picks);
    j.Key("WeftColors");
    j.ByteArray(d.WeftColors, picks);

    j.Key("Liftplan");
    j.Open('[');
    for (int p = 1; p <= picks; ++p) {
        j.Open('[');
        for (int c = 1; c <= MaxPatternShafts; ++c)
            if (d.GetLiftplan(p, c)) j.Number(c);
        j.Close(']');
    }
    j.Close(']');

    const std::pair<const char*, const TieupBlock*> tieups[] = {{"TieupAA", &d.TieupAA},
                                                                {"TieupAB", &d.TieupAB},
                                                                {"TieupBA", &d.TieupBA},
                                                                {"TieupBB", &d.TieupBB}};
    for (const auto& [name, tieup] : tieups) {
        j.Key(name);
        j.Open('[');
        for (int s = 1; s <= 32; ++s) {
            j.Open('[');
            for (int t = 1; t <= 32; ++t) j.Number((*tieup)(s, t));
            j.Close(']');
        }
        j.Close(']');
    }

    j.Key("Palette");
    j.Open('[');
    for (const auto& rgb : d.PaletteRGB) {
        j.Open('[');
        for (uint8_t c : rgb) j.Number(c);
        j.Close(']');
    }
    j.Close(']');

    j.Key("Note");
    j.String(d.Note);

    if (d.DesignMode) {
        j.Key("DesignGrid");
        j.Open('[');
        for (int r = 1; r <= std::min(picks, DesignSize); ++r) {
            j.Open('[');
            const uint8_t* row = d.DesignRow(r);
            for (int b = 0; b < DesignRowBytes; ++b) {
                for (unsigned v = row[b]; v; v &= v - 1) j.Number(b * 8 + __builtin_ctz(v) + 1);
            }
            j.Close(']');
        }
        j.Close(']');
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
