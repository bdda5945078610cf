// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/FileNames.h"

namespace quillet::plain::files {

std::string BlockName(std::string_view prefix, int block)
{
    return std::string(prefix) + std::to_string(block) + ".txt";
}

} // namespace quillet::plain::files
