// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictionaryLoader.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace quillet {

// One run of the extractor over the archive in the program's folder.
struct ExtractionRequest {
    QString programDir;
    QString folder;      // where the members go
    QStringList members; // the members wanted; the others stay in the archive
    std::chrono::milliseconds timeLimit = std::chrono::seconds(60);
    std::function<bool()> cancelled; // asked a few times a second; true stops the extractor
};

// Runs the extractor and waits for it while letting events run. The result is loaded
// when it ended well, cancelled when it was stopped, and otherwise names the archive or
// the extractor with the cause.
LoadResult ExtractMembers(const ExtractionRequest &request);

} // namespace quillet
