// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's data files lie, with no toolkit type (ProgramFolders.h tells the
// rule and uses this): beside the program in a build tree or an unpacked copy, else in
// the installed data folder, `installedFromProgram` relative to the program's folder;
// a file found in neither place is looked for beside the program.
#include <string>
#include <string_view>

namespace quillet::plain {

std::string DataFolderWith(const std::string &programDir, std::string_view installedFromProgram, std::string_view file);

} // namespace quillet::plain
