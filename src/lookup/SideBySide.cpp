// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/SideBySide.h"

#include <atomic>
#include <exception>
#include <optional>
#include <vector>

#include <pthread.h>
#include <sched.h>

namespace quillet::lookup {

namespace {

// The jobs and who has taken which: each is taken once, by whichever thread comes first.
class Jobs {
public:
    explicit Jobs(std::span<const std::function<void()>> jobs) : jobs_(jobs), failures_(jobs.size()) {}

    void work() noexcept
    {
        for (std::size_t k = next_++; k < jobs_.size(); k = next_++) {
            try {
                jobs_[k]();
            } catch (...) {
                failures_[k] = std::current_exception();
            }
        }
    }

    void rethrowFirstFailure() const
    {
        for (const std::exception_ptr &failure : failures_)
            if (failure)
                std::rethrow_exception(failure);
    }

    // The processors the process may use, which the helper is given back once it runs.
    cpu_set_t allowed{};
    bool placed = false;

private:
    std::span<const std::function<void()>> jobs_;
    std::vector<std::exception_ptr> failures_;
    std::atomic<std::size_t> next_{0};
};

void *Help(void *jobs)
{
    Jobs &shared = *static_cast<Jobs *>(jobs);
    if (shared.placed)
        sched_setaffinity(0, sizeof shared.allowed, &shared.allowed);
    shared.work();
    return nullptr;
}

// One processor the process may use other than the one the caller runs on.
std::optional<cpu_set_t> OtherProcessor(const cpu_set_t &allowed)
{
    const int here = sched_getcpu();
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (cpu == here || !CPU_ISSET(cpu, &allowed))
            continue;
        cpu_set_t other;
        CPU_ZERO(&other);
        CPU_SET(cpu, &other);
        return other;
    }
    return std::nullopt;
}

// A thread's start attributes, destroyed when they go.
class StartAttributes {
public:
    StartAttributes() { valid_ = pthread_attr_init(&attributes_) == 0; }
    ~StartAttributes()
    {
        if (valid_)
            pthread_attr_destroy(&attributes_);
    }
    StartAttributes(const StartAttributes &) = delete;
    StartAttributes &operator=(const StartAttributes &) = delete;

    // Started on that processor only; false when it cannot be asked.
    bool startOn(const cpu_set_t &processor)
    {
        return valid_ && pthread_attr_setaffinity_np(&attributes_, sizeof processor, &processor) == 0;
    }
    const pthread_attr_t *get() const { return valid_ ? &attributes_ : nullptr; }

private:
    pthread_attr_t attributes_{};
    bool valid_ = false;
};

// The helper, joined when it goes.
class Helper {
public:
    explicit Helper(Jobs &jobs)
    {
        StartAttributes attributes;
        if (sched_getaffinity(0, sizeof jobs.allowed, &jobs.allowed) == 0)
            if (const std::optional<cpu_set_t> other = OtherProcessor(jobs.allowed))
                jobs.placed = attributes.startOn(*other);
        started_ = pthread_create(&thread_, attributes.get(), Help, &jobs) == 0;
        // Placed where it cannot run (the processors changed meanwhile): started anywhere.
        if (!started_ && jobs.placed) {
            jobs.placed = false;
            started_ = pthread_create(&thread_, nullptr, Help, &jobs) == 0;
        }
    }
    ~Helper()
    {
        if (started_)
            pthread_join(thread_, nullptr);
    }
    Helper(const Helper &) = delete;
    Helper &operator=(const Helper &) = delete;

private:
    pthread_t thread_{};
    bool started_ = false;
};

} // namespace

void RunSideBySide(std::span<const std::function<void()>> jobs)
{
    Jobs shared(jobs);
    {
        std::optional<Helper> helper;
        if (jobs.size() > 1)
            helper.emplace(shared);
        shared.work();
    }
    shared.rethrowFirstFailure();
}

} // namespace quillet::lookup
