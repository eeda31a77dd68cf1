// heddlemark-cli: headless batch work on pattern files.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "app/cli/clicommands.h"

int main(int argc, char** argv) {
    // Pictures are painted without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    hm::CliOutput output;
    const int status = hm::RunCli(args, output);
    std::fwrite(output.out.data(), 1, output.out.size(), stdout);
    std::fwrite(output.err.data(), 1, output.err.size(), stderr);
    return status;
}
