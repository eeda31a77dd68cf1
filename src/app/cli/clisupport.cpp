#include "app/cli/clisupport.h"

#include <algorithm>

#include "app/cli/clicommands.h"
#include "files/hdmexport.h"
#include "files/hdxfile.h"
#include "files/openfile.h"
#include "files/savefile.h"
#include "files/wiffile.h"
#include "model/draft.h"
#include "settings/messages.h"

namespace hm {

int Usage(CliOutput& o, const std::string& problem) {
    o.err += "heddlemark-cli: " + problem + "\n" + CliUsageText();
    return ExitUsage;
}

std::unique_ptr<Draft> LoadDraft(const QString& path, Messages& messages) {
    auto d = std::make_unique<Draft>();
    OpenResult opened = OpenPatternFile(*d, path);
    messages = std::move(opened.read.messages);
    return d;
}

bool HasError(const Messages& messages) {
    return std::any_of(messages.begin(), messages.end(),
                       [](const Message& m) { return m.kind == MessageKind::Error; });
}

void ReportMessages(const Messages& messages, CliOutput& o) {
    for (const Message& m : messages) {
        const char* prefix = m.kind == MessageKind::Error         ? "error: "
                             : m.kind == MessageKind::Information ? "notice: "
                                                                  : "message: ";
        o.err += prefix + MessageText(m).toStdString() + "\n";
    }
}

bool ParseNumber(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

bool WriteOutputFile(const QString& path, const QByteArray& bytes, CliOutput& o) {
    const SaveResult saved = SaveFileAtomically(path, bytes);
    if (!saved.ok) ReportMessages({saved.error}, o);
    return saved.ok;
}

namespace {

QString Extension(const QString& path) {
    const int dot = path.lastIndexOf('.');
    return dot < 0 ? QString() : path.mid(dot).toLower();
}

} // namespace

bool IsDraftOutput(const QString& path) {
    const QString ext = Extension(path);
    return ext == ".hdx" || ext == ".hdm" || ext == ".wif";
}

std::string DraftOutputExtensions() {
    return ".hdx, .hdm or .wif";
}

int WriteDraftFile(Draft& d, const QString& path, CliOutput& o, bool lossy) {
    const QString ext = Extension(path);
    SaveResult saved;
    if (ext == ".hdm") {
        const HdmExportResult exported =
            ExportPatternFile(d, path, lossy ? HdmGroundLoss::Accept : HdmGroundLoss::Refuse);
        saved = exported.saved;
        if (saved.ok) ReportMessages(exported.notices, o);
    } else if (ext == ".wif") {
        saved = WriteWifFile(d, path);
    } else {
        saved = WriteCdPatternFile(d, path, true);
    }
    if (!saved.ok) {
        ReportMessages({saved.error}, o);
        return ExitFailure;
    }
    return 0;
}

bool TakeFlag(QStringList& args, const QString& flag) {
    const qsizetype at = args.indexOf(flag);
    if (at < 0) return false;
    args.removeAt(at);
    return true;
}

} // namespace hm
