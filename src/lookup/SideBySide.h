// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>

namespace quillet::lookup {

// Runs the jobs on the calling thread and on one helper thread, which is started on any
// processor the process may use but the caller's: left to itself, a scheduler that keeps
// a process's threads together while it can queues the helper behind the caller, and the
// jobs run one after the other. The helper is only started there; once it runs, it may
// move. A job nobody has begun when the caller is free is the caller's, so the jobs never
// take longer than on the caller alone but for starting the helper, whatever the helper
// is kept waiting by; without a helper, the caller runs them all. Returns when every job
// has ended, without waiting for a helper that took none to run at all; the first
// exception a job threw (in the jobs' order) is then thrown again.
void RunSideBySide(std::span<const std::function<void()>> jobs);

} // namespace quillet::lookup
