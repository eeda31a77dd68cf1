#pragma once
// The operations of "heddlemark-cli apply": each one runs the same code as its
// menu command after the dialog, with the dialog's answers given as words.
// Operations come in families, one file each; a family lists its operations in
// a function declared here and named in the list in applycommand.cpp.

#include <QStringList>
#include <cstdint>
#include <span>
#include <string>

#include "app/cli/clisupport.h"

namespace hm {

struct Draft;
class RandomSource;

struct ApplyContext {
    Draft& draft;
    CliOutput& out;
    uint32_t seed = 0;     // --seed, or a seed taken from the time
    std::string operation; // the operation's name, for messages
    QStringList words;     // the operation's arguments (its name not included)
    // The run's one pseudo-random source, seeded from `seed`.
    RandomSource* random = nullptr;

    // A usage error in this operation: "heddlemark-cli: OPERATION: PROBLEM".
    int Fail(const std::string& problem);
    // Argument i (0-based) as a whole number in lo..hi; on failure reports
    // NAME and the range and returns false.
    bool Number(int i, const char* name, int lo, int hi, int& value);
    // Argument i must be one of the given words; returns its index or -1 after
    // reporting the choices.
    int Choice(int i, std::initializer_list<const char*> choices);
    // At most `count` arguments; otherwise reports "too many arguments".
    bool AtMost(int count);
    // Reports the operation's messages as the desktop program would show them.
    void Report(const Messages& messages);
};

struct ApplyOperation {
    const char* name;
    const char* arguments; // for --help, e.g. "FROM COUNT [MOVES]"
    // 0 when done, ExitUsage for a bad argument (nothing is written then).
    int (*run)(ApplyContext& c);
};

// The families.
std::span<const ApplyOperation> ModeOperations();
std::span<const ApplyOperation> ColourOperations();
std::span<const ApplyOperation> GeneratorOperations();
std::span<const ApplyOperation> StructureOperations();
std::span<const ApplyOperation> ComplexDraftingOperations();

} // namespace hm
