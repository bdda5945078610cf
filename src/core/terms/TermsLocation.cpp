// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermsLocation.h"

#include <cstdlib>

namespace quillet::plain {

namespace {

constexpr const char *ProgramName = "Quillet";
constexpr const char *TermsFileName = "terms.tsv";

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::optional<std::string> TermsFilePath()
{
    std::string data;
    if (const char *xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
        if (*xdg != '/')
            return std::nullopt;
        data = WithoutTrailingSlashes(xdg);
    } else {
        const char *home = std::getenv("HOME");
        if (home == nullptr || *home != '/')
            return std::nullopt;
        data = WithoutTrailingSlashes(home) + "/.local/share";
    }
    if (data != "/")
        data += '/';
    return data + ProgramName + '/' + TermsFileName;
}

} // namespace quillet::plain
