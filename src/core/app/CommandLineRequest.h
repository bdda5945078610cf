// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/ReportBuilder.h"
#include "core/terms/TermExchange.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quillet {

// A request the arguments make, or the reason they make none.
struct CommandLineRequest {
    // Window, Show and Selection are the window's: Show raises it with lookup.word searched,
    // Selection shows the pop-up for the selected text beside the pointer.
    enum Kind { Window, Show, Selection, Help, Version, Lookup, Import, Export, Invalid } kind = Window;
    LookupRequest lookup;
    QString problem; // for Invalid: what is wrong, in the words of every error message
    // For Import and Export: the file, its format when --format names one (else its
    // extension tells), and whether the import replaces My terms (--replace).
    QString file;
    std::optional<ExchangeFormat> exchangeFormat;
    bool replace = false;
};

// Reads the arguments after the program's name. Short and long forms are the same option
// (-l and --lookup); a short option takes its value in the next argument or attached to
// it (-dre, -fjson, -lpump); a single dash followed by a word is one option, as Qt reads
// it (-style fusion), and such options of Qt's own for the window are accepted and left
// to it. Without a word to look up and without -v or -h, the window opens; --show WORD and
// --selection go to it as well.
CommandLineRequest ParseCommandLine(const QStringList &arguments);

// The text --help prints.
QString UsageText();

// Every error message of the command line, in one style: "quillet: " and the problem,
// which starts in lower case and ends without a full stop, on one line.
QString ErrorLine(const QString &problem);

} // namespace quillet
