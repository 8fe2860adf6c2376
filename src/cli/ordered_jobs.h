#pragma once

#include <cstddef>
#include <functional>

namespace vestara {

// More threads than this would only cost memory.
inline constexpr unsigned kMaxJobs = 256;

// One job per core, within [1, kMaxJobs].
unsigned DefaultJobCount();

// Runs `produce(i)` for every i in [0, count) on `jobs` threads, the calling thread among
// them, and `consume(i)` on the calling thread in the order of i, each only after its `produce(i)`
// has finished, so that what `consume` does (writing files, reporting) happens in the same order
// whatever the number of jobs. A job runs at most a few items ahead of `consume`, which bounds what
// the produced results hold at once. With one job (or zero) everything runs on the calling thread.
// An exception from `produce(i)` is rethrown in place of `consume(i)`; after an exception no
// further item is consumed, and every thread has ended when this returns or throws.
void RunOrderedJobs(std::size_t count, unsigned jobs,
                    const std::function<void(std::size_t)>& produce,
                    const std::function<void(std::size_t)>& consume);

}  // namespace vestara
