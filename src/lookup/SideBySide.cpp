// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/SideBySide.h"

#include <atomic>
#include <exception>
#include <memory>
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
            if (++ended_ == jobs_.size())
                ended_.notify_all();
        }
    }

    // Returns when every job has ended, whoever took it.
    void awaitAll() const noexcept
    {
        for (std::size_t ended = ended_; ended < jobs_.size(); ended = ended_)
            ended_.wait(ended);
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
    std::atomic<std::size_t> ended_{0};
};

// The helper's start: it shares the jobs with the caller, which may have ended them all
// and returned before the helper first runs.
void *Help(void *jobs)
{
    const std::unique_ptr<std::shared_ptr<Jobs>> shared(static_cast<std::shared_ptr<Jobs> *>(jobs));
    Jobs &mine = **shared;
    if (mine.placed)
        sched_setaffinity(0, sizeof mine.allowed, &mine.allowed);
    mine.work();
    return nullptr;
}

// The processors the process may use but the one the caller runs on; none when that is
// the only one.
std::optional<cpu_set_t> OtherProcessors(const cpu_set_t &allowed)
{
    cpu_set_t others = allowed;
    if (const int here = sched_getcpu(); here >= 0 && here < CPU_SETSIZE)
        CPU_CLR(here, &others);
    if (CPU_COUNT(&others) == 0)
        return std::nullopt;
    return others;
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

    // Started on those processors only; false when it cannot be asked.
    bool startOn(const cpu_set_t &processors)
    {
        return valid_ && pthread_attr_setaffinity_np(&attributes_, sizeof processors, &processors) == 0;
    }
    const pthread_attr_t *get() const { return valid_ ? &attributes_ : nullptr; }

private:
    pthread_attr_t attributes_{};
    bool valid_ = false;
};

// Starts the helper, left to end on its own: nobody waits for a helper the system has
// not run yet. Should no thread start, the caller does every job.
void StartHelper(const std::shared_ptr<Jobs> &jobs)
{
    StartAttributes attributes;
    if (sched_getaffinity(0, sizeof jobs->allowed, &jobs->allowed) == 0)
        if (const std::optional<cpu_set_t> others = OtherProcessors(jobs->allowed))
            jobs->placed = attributes.startOn(*others);
    auto shared = std::make_unique<std::shared_ptr<Jobs>>(jobs);
    pthread_t thread{};
    int started = pthread_create(&thread, attributes.get(), Help, shared.get());
    // Placed where it cannot run (the processors changed meanwhile): started anywhere.
    if (started != 0 && jobs->placed) {
        jobs->placed = false;
        started = pthread_create(&thread, nullptr, Help, shared.get());
    }
    if (started != 0)
        return;
    shared.release(); // the helper's now
    pthread_detach(thread);
}

} // namespace

void RunSideBySide(std::span<const std::function<void()>> jobs)
{
    const auto shared = std::make_shared<Jobs>(jobs);
    if (jobs.size() > 1)
        StartHelper(shared);
    shared->work();
    shared->awaitAll();
    shared->rethrowFirstFailure();
}

} // namespace quillet::lookup
