#pragma once

namespace lostrand::bench {

// The processor the measured children run on. A virtual machine's processors need not be
// alike (on this project's machine some run the same work half again as slowly, by turns), so
// a run and its replay measured on different ones would tell more of the processors than of
// the program; every child is pinned to one that a short probe finds fast.
class BenchCpu
{
public:
    // LOSTRAND_BENCH_CPU when set, else the fastest allowed processor by the probe; -1 when
    // this system lets a process be pinned to none.
    static int choose();
    // Pins the calling process to the processor; false when the system refuses.
    static bool pin(int cpu);
};

} // namespace lostrand::bench
