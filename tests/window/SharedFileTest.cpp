#include "demo/OtherProgram.h"
#include "demo/VolumeData.h"
#include "support/CommandPress.h"
#include "support/FakeWindow.h"
#include "support/ImportChecks.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lostrand;
using lostrand::test::FakeWindow;
using lostrand::test::ImportChecks;
using lostrand::test::TestDatabase;

namespace {

const QPair<QString, MessageStyle> Finished{QStringLiteral("เสร็จแล้วจ้า"), MessageStyle::Plain};

// A whole run on files in a journal mode of their own, on the disk the tests run on, while
// other programs may work on them.
class SharedFileTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        priceList = db.path(QStringLiteral("PriceList_ZARAV.mdb"));
        target = db.path(QStringLiteral("Valcorin.accdb"));
    }

    // N price rows against M parts of a "V.61" target, with every phase of a run.
    void makeFiles(int rows, int parts)
    {
        VolumeData::write(priceList, target, QStringLiteral("V.61"), rows, parts);
        for (const QString& file : {priceList, target})
            ASSERT_EQ(TestDatabase::scalar(file, QStringLiteral("PRAGMA journal_mode=") +
                                                     QLatin1String(GetParam()))
                          .toString(),
                      QLatin1String(GetParam()));
        window.setCheck(QStringLiteral("chkLikelAt"), 1);
    }

    void press() { press(priceList, target); }
    void press(const QString& source, const QString& targetFile)
    {
        lostrand::test::CommandPress::press(window, source, targetFile);
    }

    static QStringList contents(const QString& file) { return ImportChecks::contents(file); }

    TestDatabase db;
    QString priceList;
    QString target;
    FakeWindow window;
};

std::string modeName(const ::testing::TestParamInfo<const char*>& info)
{
    return info.param;
}

} // namespace

// The shop's program writes a short transaction every 0.3 seconds and gives up after waiting
// two seconds for the lock; none of its writes gives up while a run imports.
TEST_P(SharedFileTest, AProgramThatWritesNowAndThenNeverGivesUp)
{
    makeFiles(6000, 6000);
    OtherProgram other(target);
    other.start();
    press();
    other.stop();
    EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));
    EXPECT_EQ(other.failures(), 0) << other.errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_GE(other.writes(), 10);
}

namespace {

// A file system of its own for this process, in memory, with `room` bytes left once the files
// are in it: the rest is taken by a file of nothing, as by the other files of a full disk.
bool mountFullDisk(const QString& folder, const QStringList& files, qint64 room)
{
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr))
        return false;
    QDir().mkpath(folder);
    if (mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64m") != 0)
        return false;
    for (const QString& file : files)
        QFile::copy(file, QDir(folder).filePath(QFileInfo(file).fileName()));
    struct statvfs space
    {
    };
    statvfs(folder.toLocal8Bit().constData(), &space);
    const qint64 fill = static_cast<qint64>(space.f_bavail) * space.f_frsize - room;
    const int fd = open(QDir(folder).filePath(QStringLiteral("filler")).toLocal8Bit().constData(),
                        O_CREAT | O_WRONLY, 0644);
    const QByteArray block(1 << 16, '\0');
    for (qint64 written = 0; written < fill;) {
        const ssize_t n =
            write(fd, block.constData(),
                  static_cast<size_t>(std::min<qint64>(block.size(), fill - written)));
        if (n <= 0)
            break;
        written += n;
    }
    close(fd);
    return true;
}

// Whether this machine lets a process have a file system of its own (it takes the right to
// mount, which a test runner without it lacks); asked of a child, which then ends.
bool canMountOwnDisk(const QString& folder)
{
    const pid_t child = fork();
    if (child == 0)
        std::_Exit(mountFullDisk(folder, {}, qint64(1) << 40) ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// The disk fills in the middle of an import: the run ends on the error path, the target stays
// whole with no half part, and a second run on a disk with room ends as an uninterrupted one.
TEST_P(SharedFileTest, AFullDiskEndsOnTheErrorPathWithTheFileWhole)
{
    GTEST_FLAG_SET(death_test_style, "fast");
    const QString disk = db.path(QStringLiteral("disk"));
    if (!canMountOwnDisk(disk))
        GTEST_SKIP() << "this process may not mount a file system of its own";
    makeFiles(2000, 2000);
    const QString referenceTarget = db.path(QStringLiteral("reference.accdb"));
    const QString referenceSource = db.path(QStringLiteral("reference.mdb"));
    ASSERT_TRUE(QFile::copy(target, referenceTarget));
    ASSERT_TRUE(QFile::copy(priceList, referenceSource));
    press(referenceSource, referenceTarget);
    ASSERT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));
    window.messages.clear();

    const QString full = db.path(QStringLiteral("after"));
    QDir().mkpath(full);
    const auto run = [&] {
        if (!mountFullDisk(disk, {priceList, target}, 256 * 1024)) {
            fprintf(stderr, "NO FILE SYSTEM OF ITS OWN: %s\n", std::strerror(errno));
            std::_Exit(2);
        }
        press(QDir(disk).filePath(QFileInfo(priceList).fileName()),
              QDir(disk).filePath(QFileInfo(target).fileName()));
        for (const auto& m : window.messages)
            fprintf(stderr, "MESSAGE %s\n", qPrintable(m.first));
        // What the disk holds, for the test to look at.
        for (const QString& name : QDir(disk).entryList(QDir::Files))
            if (name != QLatin1String("filler"))
                QFile::copy(QDir(disk).filePath(name), QDir(full).filePath(name));
        std::_Exit(0);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "MESSAGE ไม่สามรถบันทึกได้");
    const QString after = QDir(full).filePath(QFileInfo(target).fileName());
    ASSERT_TRUE(QFile::exists(after)) << "the child could not have a disk of its own";
    // A WAL file keeps what was committed in its log until the file has room for it.
    if (QLatin1String(GetParam()) == QLatin1String("delete")) {
        EXPECT_EQ(QDir(full).entryList(QDir::Files),
                  QStringList({QFileInfo(priceList).fileName(), QFileInfo(target).fileName()}));
    }
    ImportChecks::expectWholeParts(after);
    EXPECT_NE(contents(after), contents(referenceTarget)) << "the disk never filled";

    press(QDir(full).filePath(QFileInfo(priceList).fileName()), after);
    EXPECT_EQ(window.messages, (QList<QPair<QString, MessageStyle>>{Finished}));
    EXPECT_EQ(contents(after), contents(referenceTarget));
}

INSTANTIATE_TEST_SUITE_P(JournalModes, SharedFileTest, ::testing::Values("delete", "wal"),
                         modeName);
