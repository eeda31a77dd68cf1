// heddlemark-cli: headless batch work on pattern files.
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "app/cli/clicommands.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform complains about a missing runtime folder, which a
// batch tool never needs; everything else goes to Qt's own handler.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (qtHandler) qtHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    // Printing and image export paint text and pictures; without a display the
    // offscreen platform does that. A thumbnail is always painted offscreen: file
    // managers run the thumbnailer in a sandbox where the session's display is
    // out of reach even when its platform is named.
    const bool thumbnail = argc > 1 && std::strcmp(argv[1], "thumbnail") == 0;
    if (thumbnail || qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(FilterQtMessages);
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    hm::CliOutput output;
    const int status = hm::RunCli(args, output);
    std::fwrite(output.out.data(), 1, output.out.size(), stdout);
    std::fwrite(output.err.data(), 1, output.err.size(), stderr);
    return status;
}
