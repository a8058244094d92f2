#include "BenchData.h"
#include "BenchWindow.h"
#include "StatementReplay.h"

#include "window/RunState.h"
#include "window/TransferPhases.h"
#include "window/UpdateCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace lostrand;
using namespace lostrand::bench;

namespace {

struct Result
{
    int rows = 0;
    int parts = 0;
    double runSeconds = 0;
    double replaySeconds = 0;
    qint64 statements = 0;
    qint64 statusUpdates = 0;
    long peakKb = 0;
};

// One size in this process: generate, run the command as the window does, replay its log.
// The files live in memory where the machine offers it: a run writes gigabytes through its
// journal, and the disk's write-back would otherwise decide the figures.
QString benchFolder()
{
    const QString chosen = qEnvironmentVariable("LOSTRAND_BENCH_DIR");
    if (!chosen.isEmpty())
        return chosen;
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                     : QDir::tempPath();
}

struct Files
{
    explicit Files(const QString& folder)
        : priceList(QDir(folder).filePath(QStringLiteral("PriceList_ZARAV.mdb"))),
          target(QDir(folder).filePath(QStringLiteral("Valcorin.accdb"))),
          replayTarget(QDir(folder).filePath(QStringLiteral("replay.accdb"))),
          log(QDir(folder).filePath(QStringLiteral("statements.log")))
    {
    }
    QString priceList;
    QString target;
    QString replayTarget;
    QString log;
};

// The data of one size, made in a process of its own so its memory is not the run's.
void generate(const QString& folder, int rows, int parts)
{
    const Files files(folder);
    BenchData::write(files.priceList, files.target, rows, parts);
    QFile::copy(files.target, files.replayTarget);
}

// The highest resident memory of this process so far, in kilobytes.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Result runOne(const QString& folder, int rows, int parts)
{
    const Files files(folder);
    const QString& priceList = files.priceList;
    const QString& target = files.target;

    BenchWindow window(priceList, target);
    RunState state(window);
    state.BrandName = QStringLiteral("ZARAV");
    state.UpdateTexts = 1;
    StatementReplay log(files.log);
    log.record(target);
    QElapsedTimer timer;
    timer.start();
    UpdateCommand::cmdUpDate_Click(state, standardTransferPhases());
    Result result;
    result.runSeconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    log.stop();
    if (window.lastMessage != QStringLiteral("เสร็จแล้วจ้า"))
        std::fprintf(stderr, "the run did not finish: %s\n", qPrintable(window.lastMessage));
    result.peakKb = peakResidentKb();
    result.rows = rows;
    result.parts = parts;
    result.statements = log.recorded();
    result.statusUpdates = window.statusUpdates;
    // LOSTRAND_BENCH_NO_REPLAY leaves the replay out, to profile the run alone.
    if (!qEnvironmentVariableIsSet("LOSTRAND_BENCH_NO_REPLAY"))
        result.replaySeconds = log.replay(files.replayTarget);
    return result;
}

void printOne(const Result& r)
{
    std::printf("%d %d %.3f %.3f %lld %lld %ld\n", r.rows, r.parts, r.runSeconds, r.replaySeconds,
                static_cast<long long>(r.statements), static_cast<long long>(r.statusUpdates),
                r.peakKb);
}

bool parse(const QByteArray& line, Result& r)
{
    long long statements = 0;
    long long updates = 0;
    const int read = std::sscanf(line.constData(), "%d %d %lf %lf %lld %lld %ld", &r.rows, &r.parts,
                                 &r.runSeconds, &r.replaySeconds, &statements, &updates, &r.peakKb);
    r.statements = statements;
    r.statusUpdates = updates;
    return read == 7;
}

// Every size in a child of its own, so each peak of memory is that size's alone.
// One size: its data made once, then measured on fresh copies of it, keeping the best run and
// the best replay; the machine's other work only ever adds time.
bool measure(const QString& self, int n, int trials, Result& best)
{
    QTemporaryDir dir(QDir(benchFolder()).filePath(QStringLiteral("lostrand-bench-XXXXXX")));
    const QString base = dir.filePath(QStringLiteral("data"));
    QDir().mkpath(base);
    QProcess maker;
    maker.setProcessChannelMode(QProcess::ForwardedChannels);
    maker.start(self, {QStringLiteral("--generate"), base, QString::number(n), QString::number(n)});
    maker.waitForFinished(-1);
    const Files source(base);
    for (int trial = 0; trial < trials; ++trial) {
        const QString copy = dir.filePath(QStringLiteral("trial%1").arg(trial));
        QDir().mkpath(copy);
        const Files files(copy);
        QFile::copy(source.priceList, files.priceList);
        QFile::copy(source.target, files.target);
        QFile::copy(source.replayTarget, files.replayTarget);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, {QStringLiteral("--one"), copy, QString::number(n), QString::number(n)});
        child.waitForFinished(-1);
        Result r;
        if (!parse(child.readAllStandardOutput(), r))
            return false;
        if (trial == 0) {
            best = r;
        } else {
            best.runSeconds = std::min(best.runSeconds, r.runSeconds);
            best.replaySeconds = std::min(best.replaySeconds, r.replaySeconds);
            best.peakKb = std::max(best.peakKb, r.peakKb);
        }
        QDir(copy).removeRecursively();
    }
    return true;
}

int runAll(const QString& self, const std::vector<int>& sizes, int trials)
{
    std::vector<Result> results;
    std::printf("best of %d trials per size\n", trials);
    std::printf("%8s %8s %9s %9s %7s %11s %11s %9s %9s\n", "N", "M", "run s", "replay s", "ratio",
                "rows/s", "stmts/s", "status", "peak MB");
    for (int n : sizes) {
        Result r;
        if (!measure(self, n, trials, r)) {
            std::fprintf(stderr, "size %d failed\n", n);
            return 1;
        }
        results.push_back(r);
        std::printf("%8d %8d %9.2f %9.2f %7.2f %11.0f %11.0f %9lld %9.1f\n", r.rows, r.parts,
                    r.runSeconds, r.replaySeconds, r.runSeconds / r.replaySeconds,
                    r.rows / r.runSeconds, r.statements / r.runSeconds,
                    static_cast<long long>(r.statusUpdates), r.peakKb / 1024.0);
        std::fflush(stdout);
    }
    std::printf("\ngrowth per doubling (time at 2N / time at N)\n%8s %9s %9s %9s\n", "N", "run",
                "replay", "own");
    for (size_t i = 1; i < results.size(); ++i) {
        const Result& a = results[i - 1];
        const Result& b = results[i];
        std::printf("%8d %9.2f %9.2f %9.2f\n", b.rows, b.runSeconds / a.runSeconds,
                    b.replaySeconds / a.replaySeconds,
                    (b.runSeconds - b.replaySeconds) / (a.runSeconds - a.replaySeconds));
    }
    return 0;
}

} // namespace

// lostrand-bench                       the sizes 10,000, 20,000 and 40,000, best of five
//                                      trials each (LOSTRAND_BENCH_TRIALS for another number)
// lostrand-bench N...                  other sizes (N price rows, N target parts)
// lostrand-bench --generate DIR N M    the data of one size into DIR
// lostrand-bench --one DIR N M         the run and the replay of that data
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("--generate")) {
        generate(args.at(2), args.at(3).toInt(), args.at(4).toInt());
        return 0;
    }
    if (args.size() == 5 && args.at(1) == QLatin1String("--one")) {
        printOne(runOne(args.at(2), args.at(3).toInt(), args.at(4).toInt()));
        return 0;
    }
    std::vector<int> sizes;
    for (int i = 1; i < args.size(); ++i)
        sizes.push_back(args.at(i).toInt());
    if (sizes.empty())
        sizes = {10000, 20000, 40000};
    const int trials = qEnvironmentVariableIntValue("LOSTRAND_BENCH_TRIALS");
    return runAll(QCoreApplication::applicationFilePath(), sizes, trials > 0 ? trials : 5);
}
