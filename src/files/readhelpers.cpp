#include "files/readhelpers.h"

#include <algorithm>

#include "files/blocks.h"
#include "model/design.h"

namespace hm {

bool RunGuarded(ReadResult& result, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const EndOfData&) {
        result.Error(msg::EndsEarly);
    } catch (const DeviceError& e) {
        result.Error(std::string(msg::ReadError) + ": " + e.text.toStdString());
    }
    result.stoppedEarly = true;
    return false;
}

bool OpenForReading(QFile& file, const QString& path, ReadResult& result) {
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly)) return true;
    result.Error(std::string(msg::ReadError) + ": " + file.errorString().toStdString());
    return false;
}

bool ApplySharedHeaderBytes(Draft& d, const uint8_t* header, bool old) {
    d.Zoom = header[3] + (old ? 1 : 0);
    d.PatternShafts = std::clamp<int>(header[4], 2, MaxPatternShafts);
    d.LiftplanWidth = d.PatternShafts;
    d.SinkingShed = header[7] == 1;
    d.FabricCompression = header[8] == 0;
    if (old) {
        OldCellProportions(d, header[9], header[10]);
    } else {
        d.Epi = std::clamp<int>(header[9], 2, 250);
        d.Ppi = std::clamp<int>(header[10], 2, 250);
    }
    return header[6] == 1;
}

void RaisePatternShafts(Draft& d, int fileShafts) {
    d.PatternShafts = std::clamp(std::max(d.PatternShafts, fileShafts), 2, MaxPatternShafts);
    d.LiftplanWidth = d.PatternShafts;
}

void ApplyFileDesignMode(Draft& d, bool designMode, const QString& path, PatternFormat format,
                         int version, ReadResult& result) {
    d.DesignMode = designMode;
    if (!designMode) return;
    BuildDesign(d, DesignSize, DesignSize);
    if (path.isEmpty()) return;
    if (version == 5) {
        ReadDesignBitmap(d, CompanionBitmap(path, format), true, result);
    } else if (version >= 6) {
        ReadDesignFile(d, CompanionDesignFile(path, format), result);
        d.ClearDesign(d.Ends + 1, d.Picks + 1);
    }
}

} // namespace hm
