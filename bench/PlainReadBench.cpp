// SPDX-License-Identifier: GPL-3.0-or-later
// What a look-up without Qt pays to read the archive: the program folder's "Database.db"
// opened, the English-Romanian translations' block index read, then one block, then every
// block once more into the same buffer; each step's time, processor time and new pages
// (minor faults) printed, and the whole process's at the end. The program links the plain
// reader alone; run it under `perf stat -r 10` to see the process from outside, with
// `--one-block` for no more than a look-up reads of the translations.
#include "core/archive/MemberReader.h"
#include "core/dictionary/FileNames.h"
#include "core/dictionary/LineBlocks.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

using namespace quillet::plain;

namespace {

struct Mark {
    std::chrono::steady_clock::time_point when = std::chrono::steady_clock::now();
    rusage usage{};
    Mark() { getrusage(RUSAGE_SELF, &usage); }
};

double CpuMs(const rusage &usage)
{
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void Print(const char *step, const Mark &from, const Mark &to)
{
    std::printf("%-34s %8.3f ms wall %8.3f ms CPU %6ld faults\n", step,
                std::chrono::duration<double, std::milli>(to.when - from.when).count(),
                CpuMs(to.usage) - CpuMs(from.usage), to.usage.ru_minflt - from.usage.ru_minflt);
}

} // namespace

int main(int argc, char **argv)
{
    const bool oneBlock = argc > 1 && std::string_view(argv[1]) == "--one-block";
    const std::string archivePath = argc > (oneBlock ? 2 : 1)
                                        ? argv[oneBlock ? 2 : 1]
                                        : std::string(QUILLET_PROGRAM_DIR) + "/" + std::string(files::Database);
    const Mark start;
    MemberReader archive(archivePath, files::ArchivePassword);
    const Mark opened;
    std::string bytes;
    if (!archive.read(files::EnglishRomanian.translationBlocks, bytes)) {
        std::fprintf(stderr, "%s\n", archive.message().c_str());
        return 1;
    }
    const std::optional<LineBlocks> blocks = LineBlocks::decode(bytes);
    const Mark indexed;
    if (!blocks || !archive.read(files::BlockName(files::EnglishRomanian.translationBlockPrefix, 1), bytes)) {
        std::fprintf(stderr, "%s: no block index\n", archivePath.c_str());
        return 1;
    }
    const Mark first;
    for (int k = 1; !oneBlock && k <= blocks->blocks(); ++k)
        if (!archive.read(files::BlockName(files::EnglishRomanian.translationBlockPrefix, k), bytes)
            || !blocks->describes(k, bytes))
            return 1;
    const Mark allBlocks;
    Print("open, directory", start, opened);
    Print("block index (keys derived)", opened, indexed);
    Print("one block", indexed, first);
    std::printf("%d blocks, %lld bytes, %lld lines:\n", blocks->blocks(), static_cast<long long>(blocks->bytes()),
                static_cast<long long>(blocks->lines()));
    if (!oneBlock)
        Print("  every block", first, allBlocks);
    std::printf("the whole process: %.3f ms CPU, %ld faults, %ld KiB peak\n", CpuMs(allBlocks.usage),
                allBlocks.usage.ru_minflt, allBlocks.usage.ru_maxrss);
    return 0;
}
