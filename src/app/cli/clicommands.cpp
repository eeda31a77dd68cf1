#include "app/cli/clicommands.h"

#include <QString>
#include <array>

#include "settings/basemultilang.h"

namespace hm {

namespace {

struct CliCommand {
    const char* name;
    const char* usage; // the lines shown by --help, without the leading blanks
    int (*run)(const QStringList& args, CliOutput& o);
};

const std::array<CliCommand, 9> Table = {{
    {"info", "info FILE\n    one summary line per part of the draft", InfoCommand},
    {"dump", "dump FILE\n    the whole draft as one JSON object", InfoCommand},
    {"convert",
     "convert IN OUT [--lossy]\n"
     "    read IN and write OUT in the format of OUT's extension (.hdx, .hdm, .wif);\n"
     "    an .hdm file holds a ground level as its cloth in a liftplan, and\n"
     "    --lossy lets it drop the ground when that needs more than 128 shafts",
     ConvertCommand},
    {"drawdown",
     "drawdown FILE OUT.bmp [--ends E] [--picks P]\n"
     "    the drawdown of ends 1..E and picks 1..P as a black-and-white BMP\n"
     "    (default: the used extent)",
     DrawdownCommand},
    {"apply",
     "apply IN OUT [--seed N] [--lossy] --op \"OPERATION ARGS\" [--op ...]\n"
     "    run operations in order, as the menu commands do after their dialogs,\n"
     "    then write OUT; the operations:",
     ApplyCommand},
    {"report",
     "report repeats|floats|colors|heddles FILE [--lang L]\n"
     "    the lines of the Analyze report, exactly as its window shows them",
     ReportCommand},
    {"render",
     "render KIND ...\n    pictures drawn as the window draws them; the kinds:", RenderCommand},
    {"print",
     "print draft|fabric|threading|liftplan|warp-colors FILE OUT.pdf\n"
     "      [--paper a4|letter] [--landscape] [range options]\n"
     "    the pages of that print job as a PDF (600 dpi, margins of one inch);\n"
     "    draft: [--from-end N] [--ends N] [--from-pick N] [--picks N]\n"
     "           [--no-fill LIST] [--no-note]  (default: the used extent)\n"
     "    fabric: [--ends E] [--picks P] [--true-size]\n"
     "    threading, liftplan, warp-colors: [--from N] [--to N]",
     PrintCommand},
    {"thumbnail",
     "thumbnail FILE OUT.png [--size N]\n"
     "    the whole cloth as a PNG whose larger side is N pixels (default 256,\n"
     "    at most 2048), for file managers; the drawdown in black and white\n"
     "    when the draft has no colours of its own",
     ThumbnailCommand},
}};

} // namespace

std::string CliUsageText() {
    std::string s = "Usage: heddlemark-cli COMMAND [ARGUMENTS]\n\n"
                    "Headless tool for Heddlemark pattern files (.hdx, .hdm, .bmp, .wif).\n\n"
                    "Commands:\n";
    for (const CliCommand& c : Table) {
        QString usage = QString::fromUtf8(c.usage);
        s += "  " + usage.replace("\n", "\n  ").toStdString() + "\n";
        if (c.run == ApplyCommand) s += ApplyOperationsUsage();
        if (c.run == RenderCommand) s += RenderKindsUsage();
    }
    s += "  --help\n      show this text\n  --version\n      show the program version\n";
    return s;
}

int RunCli(const QStringList& arguments, CliOutput& o) {
    // --lang L may stand anywhere after the command; it sets the language of
    // every message and report.
    QStringList args = arguments;
    const int lang = args.indexOf("--lang");
    if (lang > 0) {
        static const QStringList codes = {"en", "de", "sv", "fi"};
        const int language = lang + 1 < args.size() ? codes.indexOf(args[lang + 1]) : -1;
        if (language < 0) return Usage(o, "--lang needs en, de, sv or fi");
        SetLanguageEverywhere(language);
        args.remove(lang, 2);
    }
    if (args.isEmpty()) return Usage(o, "no command given");
    const QString& command = args[0];
    if (command == "--help" || command == "-h") {
        o.out += CliUsageText();
        return 0;
    }
    if (command == "--version") {
        o.out += std::string("heddlemark-cli ") + HM_VERSION + "\n";
        return 0;
    }
    for (const CliCommand& c : Table)
        if (command == QLatin1String(c.name)) return c.run(args, o);
    return Usage(o, "unknown command '" + command.toStdString() + "'");
}

} // namespace hm
