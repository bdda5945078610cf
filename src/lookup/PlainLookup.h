// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lookup/LookupArguments.h"

#include <optional>
#include <string>

namespace quillet::lookup {

// The text the command line prints for the request, read from the archive at
// `archivePath`: the same bytes as quillet-cli's answer. nullopt when the answer is not
// one this program gives (nothing found, near misses, an archive with any problem, ...),
// and quillet-cli is to answer instead.
std::optional<std::string> AnswerOf(const PlainRequest &request, const std::string &archivePath);

} // namespace quillet::lookup
