// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DataFolder.h"

#include <filesystem>
#include <system_error>

namespace quillet::plain {

namespace {

// The path made absolute and clean, without a slash at its end.
std::string Clean(const std::filesystem::path &path)
{
    std::error_code failed;
    std::string clean = std::filesystem::absolute(path.empty() ? "." : path, failed).lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}

bool Exists(const std::string &path)
{
    std::error_code failed;
    return std::filesystem::exists(path, failed);
}

} // namespace

std::string DataFolderWith(const std::string &programDir, std::string_view installedFromProgram, std::string_view file)
{
    const std::string program = Clean(programDir);
    if (Exists(program + '/' + std::string(file)))
        return program;
    const std::string installed = Clean(std::filesystem::path(program) / installedFromProgram);
    if (Exists(installed + '/' + std::string(file)))
        return installed;
    return program;
}

} // namespace quillet::plain
