#pragma once
// What every heddlemark-cli command shares: its output, exit codes, reading a
// file as File > Open does, and turning the readers' messages into lines.

#include <QStringList>
#include <memory>
#include <string>

#include "model/message.h"

namespace hm {

struct Draft;

struct CliOutput {
    std::string out; // standard output
    std::string err; // standard error
};

constexpr int ExitUsage = 1;
constexpr int ExitFailure = 2;

// Adds "heddlemark-cli: PROBLEM" and the usage text to standard error.
int Usage(CliOutput& o, const std::string& problem);

// Reads a file by its kind, as File > Open does, into a draft with the
// start-up values.
std::unique_ptr<Draft> LoadDraft(const QString& path, Messages& messages);
bool HasError(const Messages& messages);
// Every message as one line on standard error: "error: ...", "notice: ..."
// or "message: ...", in the active language.
void ReportMessages(const Messages& messages, CliOutput& o);
// A whole number; false for anything else.
bool ParseNumber(const QString& text, int& value);
// Writes bytes to a file atomically; reports a failure and returns false.
bool WriteOutputFile(const QString& path, const QByteArray& bytes, CliOutput& o);

// Whether the tool can write a draft to a file of this name (by extension).
bool IsDraftOutput(const QString& path);
// The extensions IsDraftOutput accepts, for usage messages.
std::string DraftOutputExtensions();
// Writes the draft in the format of the path's extension: 0, or ExitFailure
// with the writer's message on standard error. An .hdm file holds the cloth
// of a draft with a ground level as a liftplan (a notice says so); when that
// needs more than 128 pattern shafts the file is refused, unless lossy allows
// it to hold the draft's pattern level alone.
int WriteDraftFile(Draft& d, const QString& path, CliOutput& o, bool lossy = false);
// Removes the flag from args; whether it was there.
bool TakeFlag(QStringList& args, const QString& flag);

} // namespace hm
