// heddlemark-cli apply: read a draft, run operations on it in order, write it.
#include <QDateTime>
#include <array>
#include <memory>

#include "app/cli/applyoperations.h"
#include "app/cli/clicommands.h"
#include "model/draft.h"
#include "ops/randomsource.h"

namespace hm {

namespace {

using Family = std::span<const ApplyOperation> (*)();
const std::array<Family, 5> Families = {ModeOperations, ColourOperations, GeneratorOperations,
                                        StructureOperations, ComplexDraftingOperations};

const ApplyOperation* FindOperation(const QString& name) {
    for (Family family : Families)
        for (const ApplyOperation& op : family())
            if (name == QLatin1String(op.name)) return &op;
    return nullptr;
}

} // namespace

int ApplyContext::Fail(const std::string& problem) {
    out.err += "heddlemark-cli: " + operation + ": " + problem + "\n";
    return ExitUsage;
}

bool ApplyContext::AtMost(int count) {
    if (words.size() <= count) return true;
    Fail("too many arguments");
    return false;
}

bool ApplyContext::Number(int i, const char* name, int lo, int hi, int& value) {
    if (i < words.size() && ParseNumber(words[i], value) && value >= lo && value <= hi) return true;
    Fail(std::string(name) + " must be a whole number from " + std::to_string(lo) + " to " +
         std::to_string(hi));
    return false;
}

int ApplyContext::Choice(int i, std::initializer_list<const char*> choices) {
    int index = 0;
    std::string list;
    for (const char* c : choices) {
        if (i < words.size() && words[i] == QLatin1String(c)) return index;
        // Appended piece by piece: a concatenation here makes GCC warn about sizes
        // it cannot bound in optimised builds.
        if (index++) list += '|';
        list += c;
    }
    Fail("expected " + list);
    return -1;
}

void ApplyContext::Report(const Messages& messages) {
    ReportMessages(messages, out);
}

std::string ApplyOperationsUsage() {
    std::string s;
    for (Family family : Families)
        for (const ApplyOperation& op : family())
            s += std::string("      ") + op.name + (*op.arguments ? " " : "") + op.arguments + "\n";
    return s;
}

int ApplyCommand(const QStringList& arguments, CliOutput& o) {
    QStringList args = arguments;
    const bool lossy = TakeFlag(args, "--lossy");
    if (args.size() < 3) return Usage(o, "apply needs IN and OUT");
    if (!IsDraftOutput(args[2])) return Usage(o, "OUT must end in " + DraftOutputExtensions());
    auto seed = static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
    QStringList operations;
    for (int i = 3; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Usage(o, args[i].toStdString() + " needs a value");
        if (args[i] == "--op") {
            operations << args[i + 1];
        } else if (args[i] == "--seed") {
            int value = 0;
            if (!ParseNumber(args[i + 1], value) || value < 0)
                return Usage(o, "--seed needs a whole number from 0");
            seed = static_cast<uint32_t>(value);
        } else {
            return Usage(o, "unknown option '" + args[i].toStdString() + "'");
        }
    }
    if (operations.isEmpty()) return Usage(o, "apply needs at least one --op");
    // Every operation is checked by name before the file is read.
    for (const QString& op : operations) {
        const QString name = op.section(' ', 0, 0, QString::SectionSkipEmpty);
        if (!FindOperation(name)) return Usage(o, "unknown operation '" + name.toStdString() + "'");
    }
    Messages messages;
    auto d = LoadDraft(args[1], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    RandomSource random(seed); // one source for all operations of the run
    for (const QString& op : operations) {
        QStringList words = op.split(' ', Qt::SkipEmptyParts);
        const QString name = words.takeFirst();
        ApplyContext context{*d, o, seed, name.toStdString(), words, &random};
        const int status = FindOperation(name)->run(context);
        if (status != 0) return status;
    }
    return WriteDraftFile(*d, args[2], o, lossy);
}

} // namespace hm
