#pragma once
// heddlemark-cli: the table of its commands and the entry point that runs one
// command line. Each command lives in a file of its own; adding one means a
// declaration here and a row in the table.

#include <QStringList>
#include <string>

#include "app/cli/clisupport.h"

namespace hm {

// Runs one command line (without the program name). Exit status: 0 success,
// 1 usage error, 2 when a read or write reported an error.
int RunCli(const QStringList& args, CliOutput& output);

// The usage text built from the command table.
std::string CliUsageText();

// The commands; args[0] is the command's own name.
int InfoCommand(const QStringList& args, CliOutput& o); // info and dump
int ConvertCommand(const QStringList& args, CliOutput& o);
int DrawdownCommand(const QStringList& args, CliOutput& o);
int ApplyCommand(const QStringList& args, CliOutput& o);
int ReportCommand(const QStringList& args, CliOutput& o);
int PrintCommand(const QStringList& args, CliOutput& o);
int ThumbnailCommand(const QStringList& args, CliOutput& o);
// render draft|fabric: args[0] is "render", args[1] "draft" or "fabric".
int RenderDraftCommand(const QStringList& args, CliOutput& o);
int RenderFabricCommand(const QStringList& args, CliOutput& o);
// The --help lines of the apply operations.
std::string ApplyOperationsUsage();
// render KIND ...: pictures made by the window's painters.
int RenderCommand(const QStringList& args, CliOutput& o);
// The --help lines of the render kinds.
std::string RenderKindsUsage();

} // namespace hm
