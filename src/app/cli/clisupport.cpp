#include "app/cli/clisupport.h"

#include <algorithm>

#include "app/cli/clicommands.h"
#include "files/openfile.h"
#include "files/savefile.h"
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

} // namespace hm
