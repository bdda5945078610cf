// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the user's own terms file is, told without the toolkit: the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) and the program's own folder in it, as
// PersonalWordFiles::InDataFolder() finds it (a test holds the two together).
#include <optional>
#include <string>

namespace quillet::plain {

// The path of "terms.tsv" in the program's data folder; nullopt when it cannot be told
// for sure here (no home folder, or a data folder that is no absolute path).
std::optional<std::string> TermsFilePath();

} // namespace quillet::plain
