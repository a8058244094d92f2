#include "BenchCpu.h"
#include "OdbcReplay.h"
#include "SqliteReplay.h"
#include "StatementReplay.h"
#include "WindowRun.h"
#include "demo/HeadlessWindow.h"
#include "demo/VolumeData.h"

#include "db/WriteGroup.h"
#include "demo/OdbcEnvironment.h"
#include "demo/OtherProgram.h"
#include "window/ConnectionStrings.h"
#include "window/RunState.h"
#include "window/TransferPhases.h"
#include "window/UpdateCommand.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <vector>

using namespace lostrand;
using namespace lostrand::bench;

namespace {

// How a run reaches its target and who shows it.
enum class Mode
{
    Headless,   // the window's code through a window that only counts its status updates
    Window,     // the program's window on the platform the process was given
    Odbc,       // headless, the target a SQL Server database through ODBC
    OdbcWindow, // the window, the same target
    Shared,     // headless, while the shop's own program writes to the target now and then
};

const std::map<QString, Mode> ModeNames = {{QStringLiteral("headless"), Mode::Headless},
                                           {QStringLiteral("window"), Mode::Window},
                                           {QStringLiteral("odbc"), Mode::Odbc},
                                           {QStringLiteral("odbc-window"), Mode::OdbcWindow},
                                           {QStringLiteral("shared"), Mode::Shared}};

QString modeName(Mode mode)
{
    for (const auto& [name, named] : ModeNames) {
        if (named == mode)
            return name;
    }
    return {};
}

bool throughOdbc(Mode mode)
{
    return mode == Mode::Odbc || mode == Mode::OdbcWindow;
}

bool inWindow(Mode mode)
{
    return mode == Mode::Window || mode == Mode::OdbcWindow;
}

// Where the files of a set of figures live: on a disk, as an operator's do, and in memory.
struct Medium
{
    const char* title;
    QString folder;
};

// The disk is the file system of the checkout (the benchmark's build folder, or
// LOSTRAND_BENCH_DIR); memory is /dev/shm. LOSTRAND_BENCH_MEDIA=disk or memory picks one.
std::vector<Medium> media(const QString& self)
{
    QString disk = qEnvironmentVariable("LOSTRAND_BENCH_DIR");
    if (disk.isEmpty())
        disk = QFileInfo(self).absoluteDir().filePath(QStringLiteral("bench-files"));
    QDir().mkpath(disk);
    const QString picked = qEnvironmentVariable("LOSTRAND_BENCH_MEDIA");
    std::vector<Medium> out;
    if (picked.isEmpty() || picked.contains(QLatin1String("disk")))
        out.push_back({"disk", disk});
    if ((picked.isEmpty() || picked.contains(QLatin1String("memory"))) &&
        QDir(QStringLiteral("/dev/shm")).exists())
        out.push_back({"memory", QStringLiteral("/dev/shm")});
    return out;
}

struct Files
{
    explicit Files(const QString& folder)
        : priceList(QDir(folder).filePath(QStringLiteral("PriceList_ZARAV.mdb"))),
          target(QDir(folder).filePath(QStringLiteral("Valcorin.accdb"))),
          replayTarget(QDir(folder).filePath(QStringLiteral("replay.accdb"))),
          replayPriceList(QDir(folder).filePath(QStringLiteral("replay.mdb"))),
          floorTarget(QDir(folder).filePath(QStringLiteral("floor.accdb"))),
          floorPriceList(QDir(folder).filePath(QStringLiteral("floor.mdb")))
    {
    }
    QString priceList;
    QString target;
    QString replayTarget;
    QString replayPriceList;
    QString floorTarget;
    QString floorPriceList;
};

// What one child measured.
struct Result
{
    double run = 0;
    double replay = 0;
    double floor = 0;
    double listing = 0;
    double paused = 0; // the lock left free for other programs, seconds
    double otherWaitMs = 0;
    qint64 otherFailures = 0;
    qint64 otherWrites = 0;
    qint64 listed = 0;
    qint64 statements = 0;
    qint64 status = 0;
    qint64 peakKb = 0;
};

// The highest resident memory of this process so far, in kilobytes.
qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString odbcString(const QString& database)
{
    return ConnectionStrings::sqlServer(QStringLiteral("localhost"), QStringLiteral("sa"),
                                        QStringLiteral("Kel5093"), database);
}

// The program's passes, with the listing of the differences timed.
TransferPhases timedPhases(double& listingSeconds)
{
    TransferPhases phases = standardTransferPhases();
    auto list = phases.ListPriceDifferences;
    phases.ListPriceDifferences = [list, &listingSeconds](RunState& state) {
        QElapsedTimer timer;
        timer.start();
        list(state);
        listingSeconds += static_cast<double>(timer.nsecsElapsed()) / 1e9;
    };
    return phases;
}

// The log on the replay copies of both files, the target through the run's engine.
double replay(const StatementReplay& log, const Files& files, bool odbc)
{
    SqliteReplay source(files.replayPriceList);
    if (odbc) {
        OdbcReplay target(odbcString(files.replayTarget));
        return log.replay(target, source);
    }
    SqliteReplay target(files.replayTarget);
    return log.replay(target, source);
}

// The same log on copies of their own, one transaction a file, committed at the end.
double floorReplay(const StatementReplay& log, const Files& files)
{
    SqliteReplay source(files.floorPriceList, SqliteReplay::Commits::OneAtTheEnd);
    SqliteReplay target(files.floorTarget, SqliteReplay::Commits::OneAtTheEnd);
    return log.replay(target, source);
}

// One run of the command on the data in `folder`, then (headless) the floor of the statement
// log `logFile` on copies of the files, and when `replayToo` the replay as well. The first
// run of a size writes the log; the others run without it, so what the log costs is not the
// run's (the runs of one size send the same statements).
Result runOne(Mode mode, const QString& folder, const QString& logFile, bool replayToo)
{
    const Files files(folder);
    const bool odbc = throughOdbc(mode);
    const QString logName = odbc ? odbcString(files.target) : files.target;
    Result result;
    StatementReplay log(logFile);
    const bool recording = !inWindow(mode) && mode != Mode::Shared && !QFile::exists(logFile);
    if (recording)
        log.record(logName, files.priceList);
    QString message;
    if (inWindow(mode)) {
        const WindowRun::Outcome outcome =
            WindowRun::run(files.priceList, files.target, odbc, timedPhases(result.listing));
        result.run = outcome.seconds;
        result.listed = outcome.listed;
        message = outcome.message;
    } else {
        HeadlessWindow window = odbc ? HeadlessWindow::sqlServer(files.priceList, files.target)
                                     : HeadlessWindow(files.priceList, files.target);
        RunState state(window);
        state.BrandName = VolumeData::brandName();
        state.UpdateTexts = 1;
        std::optional<OtherProgram> other;
        if (mode == Mode::Shared) {
            other.emplace(files.target);
            other->start();
        }
        QElapsedTimer timer;
        timer.start();
        UpdateCommand::cmdUpDate_Click(state, timedPhases(result.listing));
        result.run = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (other) {
            other->stop();
            result.otherWaitMs = other->longestWaitMs();
            result.otherFailures = other->failures();
            result.otherWrites = other->writes();
        }
        result.status = window.statusUpdates;
        result.listed = window.gridCells / 7;
        message = window.lastMessage;
    }
    result.paused = static_cast<double>(WriteGroup::freedMilliseconds()) / 1000.0;
    if (recording)
        log.stop();
    if (message != QStringLiteral("เสร็จแล้วจ้า"))
        std::fprintf(stderr, "the run did not finish: %s\n", qPrintable(message));
    result.peakKb = peakResidentKb();
    result.statements = recording ? log.recorded() : 0;
    // LOSTRAND_BENCH_NO_REPLAY leaves the replays out, to profile the run alone.
    if (mode == Mode::Shared || inWindow(mode) ||
        qEnvironmentVariableIsSet("LOSTRAND_BENCH_NO_REPLAY"))
        return result;
    if (replayToo)
        result.replay = replay(log, files, odbc);
    if (!odbc)
        result.floor = floorReplay(log, files);
    return result;
}

void printResult(const Result& r)
{
    std::printf("%.4f %.4f %.4f %.4f %.4f %.2f %lld %lld %lld %lld %lld %lld\n", r.run, r.replay,
                r.floor, r.listing, r.paused, r.otherWaitMs,
                static_cast<long long>(r.otherFailures), static_cast<long long>(r.otherWrites),
                static_cast<long long>(r.listed), static_cast<long long>(r.statements),
                static_cast<long long>(r.status), static_cast<long long>(r.peakKb));
}

std::optional<Result> parseResult(const QByteArray& line)
{
    Result r;
    long long failures = 0, writes = 0, listed = 0, statements = 0, status = 0, peak = 0;
    if (std::sscanf(line.constData(), "%lf %lf %lf %lf %lf %lf %lld %lld %lld %lld %lld %lld",
                    &r.run, &r.replay, &r.floor, &r.listing, &r.paused, &r.otherWaitMs, &failures,
                    &writes, &listed, &statements, &status, &peak) != 12)
        return std::nullopt;
    r.otherFailures = failures;
    r.otherWrites = writes;
    r.listed = listed;
    r.statements = statements;
    r.status = status;
    r.peakKb = peak;
    return r;
}

// A child of this program on a platform of its own; gives what it printed.
int& childCpu()
{
    static int cpu = -1;
    return cpu;
}

QByteArray runChild(const QString& self, const QStringList& args, const QString& platform = {})
{
    QProcess child;
    if (const int cpu = childCpu(); cpu >= 0)
        child.setChildProcessModifier([cpu] { BenchCpu::pin(cpu); });
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!platform.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    child.setProcessEnvironment(env);
    child.start(self, args);
    child.waitForFinished(-1);
    return child.readAllStandardOutput();
}

// The best of the trials of one mode: the machine's other work only ever adds time.
struct Best
{
    std::optional<Result> r;
    void add(const Result& next)
    {
        if (!r) {
            r = next;
            return;
        }
        // The other program's figures are the worst of the trials, not the best.
        if (next.run < r->run)
            r->paused = next.paused;
        r->run = std::min(r->run, next.run);
        if (next.replay > 0)
            r->replay = r->replay > 0 ? std::min(r->replay, next.replay) : next.replay;
        r->floor = std::min(r->floor, next.floor);
        r->otherWaitMs = std::max(r->otherWaitMs, next.otherWaitMs);
        r->otherFailures += next.otherFailures;
        r->otherWrites += next.otherWrites;
        r->statements = std::max(r->statements, next.statements);
        r->listing = std::min(r->listing, next.listing);
        r->peakKb = std::max(r->peakKb, next.peakKb);
    }
};

// One way of running, as the parent starts it.
struct Runner
{
    const char* title;
    Mode mode;
    QString platform;
};

// One label and size: its data made once in a child, then on each medium every runner on
// fresh copies of it, the runners taking turns trial by trial. The replay, which pays for a
// commit of every statement, runs in the first trial only.
bool measure(const QString& self, const QString& label, int n, const std::vector<Runner>& runners,
             const std::vector<Medium>& where, int trials, std::vector<std::vector<Best>>& best)
{
    QTemporaryDir data(QDir(where.front().folder).filePath(QStringLiteral("lostrand-data-XXXXXX")));
    runChild(self, {QStringLiteral("--generate"), data.path(), label, QString::number(n)});
    const Files source(data.path());
    if (!QFile::exists(source.target))
        return false;
    best.assign(where.size(), std::vector<Best>(runners.size()));
    for (size_t m = 0; m < where.size(); ++m) {
        QTemporaryDir dir(QDir(where[m].folder).filePath(QStringLiteral("lostrand-bench-XXXXXX")));
        for (int trial = 0; trial < trials; ++trial) {
            for (size_t i = 0; i < runners.size(); ++i) {
                const QString copy = dir.filePath(QStringLiteral("trial"));
                QDir(copy).removeRecursively();
                QDir().mkpath(copy);
                const Files files(copy);
                for (const QString& target : {files.target, files.replayTarget, files.floorTarget})
                    QFile::copy(source.target, target);
                for (const QString& list :
                     {files.priceList, files.replayPriceList, files.floorPriceList})
                    QFile::copy(source.priceList, list);
                const QString mode = modeName(runners[i].mode);
                const QString log = dir.filePath(mode + QStringLiteral(".log"));
                const QString replays =
                    trial == 0 ? QStringLiteral("replay") : QStringLiteral("floor");
                const auto r =
                    parseResult(runChild(self, {QStringLiteral("--one"), mode, copy, log, replays},
                                         runners[i].platform));
                if (!r)
                    return false;
                best[m][i].add(*r);
            }
        }
    }
    return true;
}

double ratio(double a, double b)
{
    return b > 0 ? a / b : 0;
}

// The runners of a section: headless, the window offscreen and on the X display, and headless
// again while another program writes to the target.
std::vector<Runner> runnersOf(Mode headless, Mode window, bool withWindows, bool display,
                              bool shared)
{
    std::vector<Runner> runners{{"headless", headless, {}}};
    if (withWindows) {
        runners.push_back({"offscreen", window, QStringLiteral("offscreen")});
        if (display)
            runners.push_back({"X display", window, QStringLiteral("xcb")});
    }
    if (shared)
        runners.push_back({"shared", Mode::Shared, {}});
    return runners;
}

void printHeadings(const std::vector<Runner>& runners, bool details)
{
    std::printf("%7s %-7s %7s %8s %9s %7s %7s %6s", "N = M", "files", "floor s", "replay s",
                "headless", "h/floor", "h/rep", "pause");
    for (const Runner& r : runners) {
        if (r.mode == Mode::Window || r.mode == Mode::OdbcWindow)
            std::printf(" %10s %6s", r.title, "w/h");
        else if (r.mode == Mode::Shared)
            std::printf(" %8s %8s %6s", "shared", "wait ms", "fails");
    }
    if (details)
        std::printf(" %8s %7s %8s %9s %8s", "rows/s", "listed", "list s", "status", "peak MB");
    std::printf("\n");
}

void printRow(int n, const char* medium, const std::vector<Runner>& runners,
              const std::vector<Best>& best, bool details)
{
    const Result& h = *best[0].r;
    std::printf("%7d %-7s %7.2f %8.2f %9.2f %7.2f %7.2f %5.0f%%", n, medium, h.floor, h.replay,
                h.run, ratio(h.run, h.floor), ratio(h.run, h.replay), 100 * ratio(h.paused, h.run));
    for (size_t i = 1; i < runners.size(); ++i) {
        const Result& w = *best[i].r;
        if (runners[i].mode == Mode::Shared)
            std::printf(" %8.2f %8.0f %6lld", w.run, w.otherWaitMs,
                        static_cast<long long>(w.otherFailures));
        else
            std::printf(" %10.2f %6.2f", w.run, ratio(w.run, h.run));
    }
    if (details) {
        const Result& last = *best.back().r;
        std::printf(" %8.0f %7lld %8.3f %9lld %8.1f", n / h.run,
                    static_cast<long long>(best[1 % best.size()].r->listed), last.listing,
                    static_cast<long long>(h.status), h.peakKb / 1024.0);
    }
    std::printf("\n");
    std::fflush(stdout);
}

// One label's section: for each size and medium the floor, the replay, the headless run with
// the time it left the lock free, the window runs and the run beside another program, with
// their ratios; the listing, the status updates and memory where `details` asks for them.
int section(const QString& self, const QString& label, const char* title,
            const std::vector<Runner>& runners, const std::vector<Medium>& where,
            const std::vector<int>& sizes, int trials, bool details)
{
    std::printf("\n%s, %s (best of %d)\n", qPrintable(label), title, trials);
    printHeadings(runners, details);
    std::vector<std::vector<Result>> headless(where.size());
    for (int n : sizes) {
        std::vector<std::vector<Best>> best;
        if (!measure(self, label, n, runners, where, trials, best)) {
            std::fprintf(stderr, "%s at %d failed\n", qPrintable(label), n);
            return 1;
        }
        for (size_t m = 0; m < where.size(); ++m) {
            printRow(n, where[m].title, runners, best[m], details);
            headless[m].push_back(*best[m][0].r);
        }
        if (where.size() > 1)
            std::printf("%7s %s/%s headless %.2f\n", "", where[0].title, where[1].title,
                        ratio(best[0][0].r->run, best[1][0].r->run));
    }
    if (!details || sizes.size() < 2)
        return 0;
    for (size_t m = 0; m < where.size(); ++m) {
        std::printf("growth per doubling on %s: floor, headless, the tool's own time (headless "
                    "less floor)\n",
                    where[m].title);
        for (size_t i = 1; i < sizes.size(); ++i) {
            const Result& a = headless[m][i - 1];
            const Result& b = headless[m][i];
            std::printf("%7d %8.2f %9.2f %7.2f\n", sizes[i], ratio(b.floor, a.floor),
                        ratio(b.run, a.run), ratio(b.run - b.floor, a.run - a.floor));
        }
    }
    return 0;
}

int gridSection(const QString& self, const std::vector<int>& items, bool display)
{
    std::printf("\nthe grid alone: listed items in the window, seconds (best of 3)\n");
    std::vector<std::pair<const char*, QString>> platforms{
        {"offscreen", QStringLiteral("offscreen")}};
    if (display)
        platforms.push_back({"X display", QStringLiteral("xcb")});
    std::printf("%7s", "items");
    for (const auto& p : platforms)
        std::printf(" %10s", p.first);
    std::printf("\n");
    std::vector<std::vector<double>> times;
    for (int n : items) {
        std::vector<double> row;
        std::printf("%7d", n);
        for (const auto& p : platforms) {
            double best = 0;
            for (int trial = 0; trial < 3; ++trial) {
                const double s =
                    runChild(self, {QStringLiteral("--grid"), QString::number(n)}, p.second)
                        .trimmed()
                        .toDouble();
                best = trial == 0 ? s : std::min(best, s);
            }
            row.push_back(best);
            std::printf(" %10.3f", best);
        }
        std::printf("\n");
        times.push_back(row);
    }
    for (size_t i = 1; i < times.size(); ++i) {
        std::printf("growth %d to %d:", items[i - 1], items[i]);
        for (size_t p = 0; p < platforms.size(); ++p)
            std::printf(" %10.2f", ratio(times[i][p], times[i - 1][p]));
        std::printf("\n");
    }
    return 0;
}

// Whether LOSTRAND_BENCH_SECTIONS (a list such as "v61,grid") asks for a section; every
// section runs when it is not set.
bool wanted(const char* name)
{
    const QString sections = qEnvironmentVariable("LOSTRAND_BENCH_SECTIONS");
    return sections.isEmpty() ||
           sections.split(QLatin1Char(',')).contains(QLatin1String(name), Qt::CaseInsensitive);
}

int runAll(const QString& self, std::vector<int> sizes, int trials)
{
    const bool display = !qEnvironmentVariable("DISPLAY").isEmpty();
    if (!display)
        std::printf("no X display: the window runs offscreen only\n");
    childCpu() = BenchCpu::choose();
    if (childCpu() >= 0)
        std::printf("every run and replay on processor %d\n", childCpu());
    const std::vector<Medium> where = media(self);
    for (const Medium& m : where)
        std::printf("files on %s: %s\n", m.title, qPrintable(m.folder));
    std::sort(sizes.begin(), sizes.end());
    const std::vector<int> padded{std::max(1, sizes.front() / 2), sizes.front()};
    const std::vector<int> odbc{std::max(1, sizes.front() / 10), std::max(1, sizes.front() / 5)};
    const char* access = "Access target on the embedded engine";
    int failed = 0;
    if (wanted("v61"))
        failed |= section(self, QStringLiteral("V.61"), access,
                          runnersOf(Mode::Headless, Mode::Window, true, display, true), where,
                          sizes, trials, true);
    for (const auto& [name, label] : {std::pair{"p68", "P.68 (Bar)"}, {"p48", "P.48 (Bar)"}}) {
        if (wanted(name))
            failed |= section(self, QString::fromLatin1(label), access,
                              runnersOf(Mode::Headless, Mode::Window, false, display, false), where,
                              padded, trials, false);
    }
    if (wanted("odbc"))
        failed |=
            section(self, QStringLiteral("V.61"),
                    "SQL Server target through ODBC (the SQLite ODBC driver as \"SQL Server\")",
                    runnersOf(Mode::Odbc, Mode::OdbcWindow, true, display, false), {where.front()},
                    odbc, trials, false);
    if (wanted("grid"))
        failed |= gridSection(self, {10000, 20000}, display);
    return failed;
}

} // namespace

// lostrand-bench                    every section: "V.61" at N = M = 5,000, 10,000 and
//                                   20,000, "P.68 (Bar)" and "P.48 (Bar)" at half the first
//                                   and the first, the SQL Server mode at a tenth and a fifth of
//                                   the first, the grid alone (LOSTRAND_BENCH_TRIALS trials, 2;
//                                   LOSTRAND_BENCH_SECTIONS=v61,p68,p48,odbc,grid picks some)
// lostrand-bench N...               other sizes
// lostrand-bench --generate DIR LABEL N   the data of one label and size into DIR
// lostrand-bench --one MODE DIR LOG R     one run of that data, written to the statement log
//                                         LOG when there is none yet, then its floor, and its
//                                         replay too when R is "replay"
// lostrand-bench --replay DIR LOG         the replay of LOG alone on DIR's replay copy
// lostrand-bench --grid N                 N items listed in the window's grid
int main(int argc, char* argv[])
{
    const QStringList args = [argc, argv] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const bool widgets = (args.size() == 6 && args.at(1) == QLatin1String("--one") &&
                          inWindow(ModeNames.at(args.at(2)))) ||
                         (args.size() == 3 && args.at(1) == QLatin1String("--grid"));
    std::unique_ptr<QCoreApplication> app;
    if (widgets)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (args.size() == 5 && args.at(1) == QLatin1String("--generate")) {
        const Files files(args.at(2));
        VolumeData::write(files.priceList, files.target, args.at(3), args.at(4).toInt(),
                          args.at(4).toInt());
        return 0;
    }
    if (args.size() == 6 && args.at(1) == QLatin1String("--one")) {
        printResult(runOne(ModeNames.at(args.at(2)), args.at(3), args.at(4),
                           args.at(5) == QLatin1String("replay")));
        return 0;
    }
    if (args.size() == 4 && args.at(1) == QLatin1String("--replay")) {
        const Files files(args.at(2));
        std::printf("%.4f\n", replay(StatementReplay(args.at(3)), files, false));
        return 0;
    }
    if (args.size() == 3 && args.at(1) == QLatin1String("--grid")) {
        std::printf("%.4f\n", WindowRun::listInGrid(args.at(2).toInt()));
        return 0;
    }
    OdbcEnvironment::install();
    std::vector<int> sizes;
    for (int i = 1; i < args.size(); ++i)
        sizes.push_back(args.at(i).toInt());
    if (sizes.empty())
        sizes = {5000, 10000, 20000};
    const int trials = qEnvironmentVariableIntValue("LOSTRAND_BENCH_TRIALS");
    const int result =
        runAll(QCoreApplication::applicationFilePath(), sizes, trials > 0 ? trials : 2);
    QDir(OdbcEnvironment::folder()).removeRecursively();
    return result;
}
