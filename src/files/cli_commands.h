#pragma once
// heddlemark-cli: headless work on pattern files over the same readers and
// writers as the program.

#include <QStringList>
#include <string>

namespace hm {

struct CliOutput {
    std::string out; // standard output
    std::string err; // standard error
};

// Runs one command line (without the program name). Exit status: 0 success,
// 1 usage error, 2 when a read or write reported an error.
int RunCli(const QStringList& args, CliOutput& output);

} // namespace hm
