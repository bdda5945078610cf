// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/SideBySide.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <stdexcept>
#include <vector>

#include <sched.h>

namespace quillet::lookup {
namespace {

// Each of `count` jobs counts its runs; the jobs given by `failing` throw their number.
std::vector<std::function<void()>> CountingJobs(std::array<std::atomic<int>, 6> &runs, std::size_t count,
                                                std::vector<std::size_t> failing = {})
{
    std::vector<std::function<void()>> jobs;
    for (std::size_t k = 0; k < count; ++k)
        jobs.emplace_back([&runs, k, failing] {
            ++runs[k];
            for (const std::size_t f : failing)
                if (f == k)
                    throw std::runtime_error(std::to_string(k));
        });
    return jobs;
}

TEST(SideBySide, RunsEveryJobOnceAndThrowsTheFirstFailureAfterAllEnded)
{
    for (const std::size_t count : {0u, 1u, 2u, 6u}) {
        std::array<std::atomic<int>, 6> runs{};
        RunSideBySide(CountingJobs(runs, count));
        for (std::size_t k = 0; k < runs.size(); ++k)
            EXPECT_EQ(runs[k], k < count ? 1 : 0) << count << " jobs, job " << k;
    }

    std::array<std::atomic<int>, 6> runs{};
    try {
        RunSideBySide(CountingJobs(runs, 6, {4, 1}));
        FAIL() << "no failure thrown";
    } catch (const std::runtime_error &failure) {
        EXPECT_STREQ(failure.what(), "1");
    }
    for (const std::atomic<int> &run : runs)
        EXPECT_EQ(run, 1);
}

TEST(SideBySide, RunsOnAProcessOfOneProcessor)
{
    cpu_set_t allowed;
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    std::array<std::atomic<int>, 6> runs{};
    RunSideBySide(CountingJobs(runs, 3));
    sched_setaffinity(0, sizeof allowed, &allowed);
    EXPECT_EQ(runs[0] + runs[1] + runs[2], 3);
}

} // namespace
} // namespace quillet::lookup
