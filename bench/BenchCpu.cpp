#include "BenchCpu.h"

#include <QElapsedTimer>
#include <QtGlobal>
#include <algorithm>
#include <limits>
#include <sched.h>

namespace lostrand::bench {

namespace {

// A few milliseconds of work that stays in the processor's own caches.
qint64 probe()
{
    QElapsedTimer timer;
    timer.start();
    volatile unsigned value = 1;
    for (int i = 0; i < 20'000'000; ++i)
        value = value * 1664525u + 1013904223u;
    return timer.nsecsElapsed();
}

} // namespace

bool BenchCpu::pin(int cpu)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu, &set);
    return sched_setaffinity(0, sizeof set, &set) == 0;
}

int BenchCpu::choose()
{
    bool given = false;
    const int chosen = qEnvironmentVariableIntValue("LOSTRAND_BENCH_CPU", &given);
    if (given)
        return chosen;
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return -1;
    int best = -1;
    qint64 fastest = std::numeric_limits<qint64>::max();
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (!CPU_ISSET(cpu, &allowed) || !pin(cpu))
            continue;
        const qint64 took = std::min(probe(), probe());
        if (took < fastest) {
            fastest = took;
            best = cpu;
        }
    }
    sched_setaffinity(0, sizeof allowed, &allowed);
    return best;
}

} // namespace lostrand::bench
