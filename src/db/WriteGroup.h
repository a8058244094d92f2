#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <optional>

namespace lostrand {

// The Access engine runs a statement outside a transaction in an implicit transaction of its
// own and writes those out lazily. The embedded engine would sync the disk for each of them,
// and hold the file's write lock nearly all the time doing so. Instead the statements of one
// connection go into a group: one engine transaction that is written out, with a full sync,
// once it has held the write lock for about a tenth of a second, and whenever the connection
// asks for it. The caller sees its own writes at once, as it did.
//
// Between two groups the lock comes free for other programs on the file. One that found it
// locked waits in the engine's busy handler, which tries again after 1, 2, 5, 10, 15, 20, 25,
// 25, 25, 50 and 50 milliseconds and then every 100, until its time-out. So the lock comes
// free for longer than the longest of those sleeps at least once a second: such a program
// waits about a second at the most. Once another program has written to the file, it is
// likely to write again soon, and for a while the lock comes free after every group for longer
// than the handler's first sleeps: its next writes then wait a tenth of a second at the most.
class WriteGroup
{
public:
    // The engine under the group.
    struct Engine
    {
        // Runs one statement; throws on failure.
        std::function<void(const QString& sql)> run;
        // The engine's count of changes other connections committed to the file.
        std::function<qint64()> dataVersion;
    };

    // How long a group may hold the write lock before it is written out at the next
    // statement.
    static constexpr int HoldMilliseconds = 90;
    // How long the lock then stays free when another program wrote to the file lately, and
    // for how long after such a write.
    static constexpr int SharedFreeMilliseconds = 30;
    static constexpr int SharedForMilliseconds = 5000;
    // Otherwise, how long and how often it comes free for the handler's longest sleep.
    static constexpr int SpellMilliseconds = 110;
    static constexpr int SpellEveryMilliseconds = 1000;

    // `file` names the database file; what is known of the other programs on it outlives the
    // connection, which a run closes and opens again many times.
    WriteGroup(const QString& file, Engine engine);

    bool isOpen() const { return m_open; }
    // Whether the open group has held the lock long enough.
    bool isDue() const;
    // Opens a group when none is open: leaves the lock free for its time first, then takes it,
    // waiting for other writers as any statement does.
    void join();
    // Writes the group out. When that fails the group is rolled back, so no lock stays held
    // and the file stays as the last group left it; the failure goes to the caller.
    void writeOut();
    // The engine ended the transaction itself (it does so after some failures).
    void forget();

    // How long the lock has been left free for other programs, in all, since the process
    // started, in milliseconds.
    static qint64 freedMilliseconds();

private:
    // What this process has seen of the other programs on one file.
    struct Neighbours
    {
        QElapsedTimer freed;     // since this process last let go of the lock
        QElapsedTimer lastWrite; // since another program was last seen writing
        QElapsedTimer lastSpell; // since the lock last came free for a spell
    };
    Neighbours& neighbours();
    void leaveFree();
    void noteOtherWriters();

    QString m_file;
    Engine m_engine;
    bool m_open = false;
    QElapsedTimer m_held;
    std::optional<qint64> m_dataVersion;
};

} // namespace lostrand
