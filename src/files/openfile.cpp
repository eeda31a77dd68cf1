#include "files/openfile.h"

#include "files/designfile.h"
#include "files/hdmfile.h"
#include "files/hdxfile.h"
#include "files/wiffile.h"
#include "model/design.h"

namespace hm {

FileKind FileKindOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf('.');
    const QString ext = dot < 0 ? QString() : path.mid(dot, 10).toUpper();
    if (ext == ".BMP") return FileKind::Picture;
    if (ext == ".HDM") return FileKind::Hdm;
    if (ext == ".WIF") return FileKind::Wif;
    return FileKind::Hdx;
}

OpenResult OpenPatternFile(Draft& d, const QString& path) {
    OpenResult result;
    result.kind = FileKindOf(path);
    if (result.kind == FileKind::Picture) {
        ReadDesignBitmap(d, path, false, result.read);
        if (d.DesignMode)
            d.UpdateDesignExtents();
        else
            d.UpdateExtents();
        return result;
    }
    if (result.kind == FileKind::Wif) {
        // The WIF reader clears the draft itself, once it knows the file fits.
        result.read = ReadWifFile(d, path);
    } else {
        d.ClearDraft();
        d.Note.clear();
        if (result.kind == FileKind::Hdm) {
            result.read = ReadPatternFile(d, path, HdmComponents::All());
            result.read.forgetCurrentFile = true;
            result.read.setCurrentFile = false;
        } else {
            result.read = ReadCdPatternFile(d, path, HdxComponents::All());
        }
    }
    if (d.DesignMode)
        d.UpdateDesignExtents();
    else
        d.UpdateExtents();
    FindRepeats(d);
    return result;
}

} // namespace hm
