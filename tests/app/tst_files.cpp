// The program's files under faults and hostile input, through the real program: a full
// disk, a file-size limit, device nodes and FIFOs, a batch killed in the middle, a comma
// locale, misspelt keys. A user's old file must come out of every failure as it was.
#include <QtTest>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "tests/support/program.h"
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

const QStringList kGear{"sheet", "--module", "2", "--teeth", "30"};
const QByteArray kOldGear = R"({"format": "geardim-gear", "version": 1, "gear": {"module": 5, "teeth": 17}})";

// The output options, each with the file it writes and what a batch needs to read.
struct Output {
    const char *name;
    QStringList arguments; // %1 stands for the output's path
    const char *file;
};

const Output kOutputs[] = {
    {"gear_file", {"--save", "%1"}, "out.gear"},
    {"pdf", {"--pdf", "%1"}, "out.pdf"},
    {"png", {"--picture", "%1"}, "out.png"},
    {"svg", {"--picture", "%1"}, "out.svg"},
    {"batch_out", {"--batch", "in.csv", "--out", "%1"}, "out.csv"},
    // A part number longer than a disk block, so the line cannot fit in the old file's last one.
    {"inspection_log", {"--record", "%1", "--part", QString(5000, u'7')}, "log.csv"},
    {"spline_file", {"--save", "%1"}, "out.spline"},
    {"spline_batch_out", {"--batch", "splines.csv", "--out", "%1"}, "splines-out.csv"},
};

bool isLog(const Output &o) { return QByteArray(o.name) == "inspection_log"; }

// Puts an old file at path for the output to replace, or, for the log, to append to (a
// log of one workpiece): its bytes, which a failed write must leave as they are.
QByteArray writeOld(const Output &o, const QString &path)
{
    if (!isLog(o)) {
        writeAll(path, kOldGear);
        return kOldGear;
    }
    QFile::remove(path);
    runGeardim({"sheet", "--module", "2", "--teeth", "17", "--record", path});
    return readAll(path);
}

QStringList argumentsFor(const Output &o, const QString &path)
{
    const bool batch = o.arguments.first() == "--batch";
    QStringList out = QByteArray(o.name).startsWith("spline")
                          ? (batch ? QStringList{"spline"}
                                 : QStringList{"spline", "--designation", "DIN 5480 - W 50 x 2 x 24 x 8f", "--pin-diameter", "4",
                                               "--spline-length", "15", "--upper-deviation", "-0.04", "--lower-deviation", "-0.1",
                                               "--effective-variation", "0.025"})
                          : (batch ? QStringList{"sheet"} : kGear);
    for (QString a : o.arguments)
        out << a.replace("%1", path);
    return out;
}

void addOutputRows()
{
    QTest::addColumn<int>("output");
    for (int i = 0; i < int(std::size(kOutputs)); ++i)
        QTest::newRow(kOutputs[i].name) << i;
}

// A many-line batch: its run takes seconds, long enough to be killed in the middle.
void writeBatch(const QString &path, int lines)
{
    QByteArray text = "module,teeth\n";
    for (int i = 0; i < lines; ++i)
        text += QByteArray::number(1 + i % 5) + ',' + QByteArray::number(20 + i % 80) + '\n';
    writeAll(path, text);
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void fullDiskKeepsTheOldFileAndSaysWhy_data() { addOutputRows(); }
    void fullDiskKeepsTheOldFileAndSaysWhy();
    void fileSizeLimitKeepsTheOldFile_data() { addOutputRows(); }
    void fileSizeLimitKeepsTheOldFile();
    void onlyRegularFilesAreReplaced_data() { addOutputRows(); }
    void onlyRegularFilesAreReplaced();
    void fifosAreRefusedInsteadOfWaitedFor_data();
    void fifosAreRefusedInsteadOfWaitedFor();
    void replacedFileKeepsItsOwner_data() { addOutputRows(); }
    void replacedFileKeepsItsOwner();
    void outputNamedAsAnInputIsRefused_data();
    void outputNamedAsAnInputIsRefused();
    void recordsOnlyIntoALog();
    void noNoteAboutTheRuntimeFolder();
    void batchNeverWritesOverItsInput_data();
    void batchNeverWritesOverItsInput();
    void killedBatchLeavesTheOldOutput_data();
    void killedBatchLeavesTheOldOutput();
    void optionsThatCannotApplyAreRefused_data();
    void optionsThatCannotApplyAreRefused();
    void gearFileKeysAndVersions_data();
    void gearFileKeysAndVersions();
    void numbersIgnoreACommaLocale();
    void helpAllShowsQtsOptions();
    void batchSummaryAndItsHistogram();
    void papersCarryTheVerdict_data();
    void papersCarryTheVerdict();
    void pagesSetLatinTextInALatinFace_data();
    void pagesSetLatinTextInALatinFace();

private:
    QTemporaryDir dir;
    QString fullDisk; // a tiny filesystem mounted for the full-disk case, or empty
};

void TestFiles::initTestCase()
{
    writeBatch(dir.filePath("in.csv"), 3);
    writeAll(dir.filePath("splines.csv"), "designation,pin-diameter\nEXT 24z x 2m x 30P x 6h,\nDIN 5480 W 50x2x24,4\n");
    // A 256 KiB tmpfs; where this machine cannot mount one, the full-disk case skips.
    const QString mount = dir.filePath("full");
    QDir().mkpath(mount);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", mount}) == 0)
        fullDisk = mount;
}

void TestFiles::cleanupTestCase()
{
    if (!fullDisk.isEmpty())
        QProcess::execute("umount", {fullDisk});
}

void TestFiles::fullDiskKeepsTheOldFileAndSaysWhy()
{
#if defined(Q_OS_UNIX)
    QFETCH(int, output);
    if (fullDisk.isEmpty())
        QSKIP("this machine cannot mount a small tmpfs (needs root): the full disk is not tried");
    const Output &o = kOutputs[output];
    const QString path = fullDisk + "/" + o.file;
    for (const QString &name : QDir(fullDisk).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(fullDisk + "/" + name);
    const QByteArray old = writeOld(o, path);
    writeAll(dir.filePath("in.csv"), "module,teeth\n1,30\n2,40\n");
    // Fill the disk to the last byte.
    QFile filler(fullDisk + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
    filler.close();
    for (const char *language : {"en", "zh"}) {
        const Run run = runGeardim(QStringList{"--lang", language} + argumentsFor(o, path), {.folder = dir.path()});
        QCOMPARE(run.status, 1);
        const QString said = QString::fromUtf8(run.err);
        // The system's reason, in the language of Qt's texts where Qt has it.
        QVERIFY2(said.contains(language == QLatin1String("en") ? "No space left on device" : "没有剩余空间"), qPrintable(said));
        QVERIFY2(said.contains(language == QLatin1String("en") ? "unchanged" : "原有文件未改动"), qPrintable(said));
        QCOMPARE(readAll(path), old);
    }
    QFile::remove(fullDisk + "/filler");
    QCOMPARE(QDir(fullDisk).entryList(QDir::Files | QDir::Hidden), QStringList{o.file}); // no temporary file left
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

void TestFiles::fileSizeLimitKeepsTheOldFile()
{
#if defined(Q_OS_UNIX)
    QFETCH(int, output);
    const Output &o = kOutputs[output];
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("limited-%1").arg(o.file));
    const QByteArray old = writeOld(o, path);
    writeAll(folder.filePath("in.csv"), "module,teeth\n1,30\n2,40\n");
    writeAll(folder.filePath("splines.csv"), readAll(dir.filePath("splines.csv")));
    // Every output is larger than the limit; a write beyond it fails (EFBIG). The program
    // starts with SIGXFSZ as a shell leaves it, deadly: it must set it aside itself.
    const rlim_t size = rlim_t(std::max<qsizetype>(200, old.size() + 100));
    const Run run = runGeardim(QStringList{"--lang", "en"} + argumentsFor(o, path), {.folder = folder.path(), .inChild = [size] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{size, size};
        setrlimit(RLIMIT_FSIZE, &limit);
    }});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains("File too large") && run.err.contains("unchanged"), run.err.constData());
    QCOMPARE(readAll(path), old);
    // Nothing left beside it: no temporary file, named or hidden.
    QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    left.removeAll("in.csv");
    left.removeAll("splines.csv");
    QCOMPARE(left, QStringList{QFileInfo(path).fileName()});
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

void TestFiles::onlyRegularFilesAreReplaced()
{
#if defined(Q_OS_UNIX)
    QFETCH(int, output);
    const Output &o = kOutputs[output];
    // A FIFO, a link to a device node, and a folder: none is replaced by a regular file.
    const QString fifo = dir.filePath(QStringLiteral("fifo-%1").arg(o.file));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const QString device = dir.filePath(QStringLiteral("device-%1").arg(o.file));
    QVERIFY(QFile::link("/dev/null", device));
    const QString folder = dir.filePath(QStringLiteral("folder-%1").arg(o.file));
    QVERIFY(QDir().mkpath(folder));
    for (const QString &target : {fifo, device, folder}) {
        const Run run = runGeardim(QStringList{"--lang", "en"} + argumentsFor(o, target), {.folder = dir.path(), .milliseconds = 20000});
        QVERIFY2(run.finished, qPrintable(target));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("regular file") || run.err.contains("folder"), run.err.constData());
    }
    struct stat st {};
    QVERIFY(lstat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    QVERIFY(stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));
    QVERIFY(QFileInfo(device).isSymLink() && QFileInfo(folder).isDir());
    // A link to a regular file is that file: it is written through the link.
    const QString real = dir.filePath(QStringLiteral("real-%1").arg(o.file));
    const QString link = dir.filePath(QStringLiteral("link-%1").arg(o.file));
    const QByteArray old = writeOld(o, real);
    QVERIFY(QFile::link(real, link));
    writeAll(dir.filePath("in.csv"), "module,teeth\n1,30\n");
    QCOMPARE(runGeardim(argumentsFor(o, link), {.folder = dir.path()}).status, 0);
    QVERIFY(readAll(real) != old);
    QVERIFY(QFileInfo(link).isSymLink());
    // A link that leads nowhere, dangling or in a loop, is refused with why, and stays a link.
    const QString dangling = dir.filePath(QStringLiteral("dangling-%1").arg(o.file));
    QVERIFY(QFile::link(dir.filePath("nowhere"), dangling));
    const QString loop = dir.filePath(QStringLiteral("loop-%1").arg(o.file));
    QVERIFY(QFile::link(loop, loop));
    for (const auto &[target, why] : {std::pair{dangling, "dangling"}, {loop, "loop"}}) {
        const Run run = runGeardim(QStringList{"--lang", "en"} + argumentsFor(o, target), {.folder = dir.path()});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(why), run.err.constData());
        QVERIFY(QFileInfo(target).isSymLink());
    }
    QVERIFY(!QFileInfo::exists(dir.filePath("nowhere")));
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

// Run as root (in services and containers), a save over a user's file leaves it the user's.
void TestFiles::replacedFileKeepsItsOwner()
{
#if defined(Q_OS_UNIX)
    QFETCH(int, output);
    if (::geteuid() != 0)
        QSKIP("only root may give a file to another owner");
    const Output &o = kOutputs[output];
    const QString path = dir.filePath(QStringLiteral("owned-%1").arg(o.file));
    const QByteArray old = writeOld(o, path);
    QVERIFY(::chown(QFile::encodeName(path).constData(), 1234, 2345) == 0);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
    writeAll(dir.filePath("in.csv"), "module,teeth\n1,30\n");
    QCOMPARE(runGeardim(argumentsFor(o, path), {.folder = dir.path()}).status, 0);
    QVERIFY(readAll(path) != old);
    struct stat st {};
    QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
    QCOMPARE(int(st.st_uid), 1234);
    QCOMPARE(int(st.st_gid), 2345);
    QCOMPARE(int(st.st_mode & 0777), 0640);
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

// An output that is one of the command's inputs, by any name or link, is refused before
// anything is written, and the input is as it was.
void TestFiles::outputNamedAsAnInputIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("input");
    QTest::newRow("gear file as pdf") << QStringList{"sheet", "--load", "g.gear", "--pdf", "./g.gear"} << "g.gear";
    QTest::newRow("gear file as log") << QStringList{"sheet", "--load", "g.gear", "--record", "../%1/g.gear"} << "g.gear";
    QTest::newRow("gear file saved through a symlink") << QStringList{"sheet", "--load", "g.gear", "--teeth", "40", "--save", "link.gear"} << "g.gear";
    QTest::newRow("gear file as data table by a hard link") << QStringList{"sheet", "--load", "hard.csv", "--data-table", "g.gear"} << "g.gear";
    for (const char *out : {"--save", "--pdf", "--data-table", "--record", "--picture"})
        QTest::newRow(qPrintable(QStringLiteral("allowance table as %1").arg(out)))
            << QStringList{"sheet", "--module", "1", "--teeth", "30", "--allowance-table", "t.csv", out, "t.csv"} << "t.csv";
    QTest::newRow("allowance table as batch out") << QStringList{"sheet", "--batch", "in.csv", "--allowance-table", "t.csv", "--out", "./t.csv"}
                                                  << "t.csv";
    QTest::newRow("spline file as pdf") << QStringList{"spline", "--load", "s.spline", "--pdf", "./s.spline"} << "s.spline";
    QTest::newRow("spline table as batch out")
        << QStringList{"spline", "--batch", "splines.csv", "--allowance-table", "t.csv", "--out", "t.csv"} << "t.csv";
}

void TestFiles::outputNamedAsAnInputIsRefused()
{
#if defined(Q_OS_UNIX)
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    QTemporaryDir folder;
    writeAll(folder.filePath("g.gear"), kOldGear);
    writeAll(folder.filePath("t.csv"), "code,diameterFrom,diameterTo,upper,lower\nh7,0,100,-40,-90\n");
    writeAll(folder.filePath("s.spline"), R"({"format": "geardim-spline", "version": 1, "designation": "EXT 24z x 2m x 30P"})");
    writeAll(folder.filePath("in.csv"), "module,teeth\n1,30\n");
    writeAll(folder.filePath("splines.csv"), "designation\nEXT 24z x 2m x 30P\n");
    QVERIFY(QFile::link(folder.filePath("g.gear"), folder.filePath("link.gear")));
    QVERIFY(::link(QFile::encodeName(folder.filePath("g.gear")).constData(), QFile::encodeName(folder.filePath("hard.csv")).constData()) == 0);
    const QByteArray before = readAll(folder.filePath(input));
    for (QString &a : arguments)
        a.replace("%1", QFileInfo(folder.path()).fileName());
    const Run run = runGeardim(arguments, {.folder = folder.path()});
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains("同一个文件"), run.err.constData());
    QCOMPARE(readAll(folder.filePath(input)), before);
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

// --record appends only to a log: an empty file gets the header first, a last line left
// open is closed first, and a CSV with another header is refused and kept.
void TestFiles::recordsOnlyIntoALog()
{
    QTemporaryDir folder;
    const QStringList record{"sheet", "--module", "1", "--teeth", "30", "--record"};
    writeAll(folder.filePath("empty.csv"), "");
    QCOMPARE(runGeardim(record + QStringList{"empty.csv"}, {.folder = folder.path()}).status, 0);
    const QList<QByteArray> lines = readAll(folder.filePath("empty.csv")).split('\n');
    QCOMPARE(lines.size(), 3); // header, record, and the end of the last line
    QVERIFY(lines[0].startsWith("\xEF\xBB\xBFtime,drawing,part")); // one mark first, for a spreadsheet
    QCOMPARE(readAll(folder.filePath("empty.csv")).count("\xEF\xBB\xBF"), 1);
    QByteArray open = readAll(folder.filePath("empty.csv"));
    open.chop(1);
    writeAll(folder.filePath("open.csv"), open);
    QCOMPARE(runGeardim(record + QStringList{"open.csv"}, {.folder = folder.path()}).status, 0);
    QCOMPARE(readAll(folder.filePath("open.csv")).count('\n'), 3);
    QCOMPARE(readAll(folder.filePath("open.csv")).count("\xEF\xBB\xBF"), 1);
    // The log records the gauge it was measured with, proposed as well as typed.
    QVERIFY(readAll(folder.filePath("open.csv")).split('\n')[1].contains(",ball,1.8,"));
    QVERIFY(readAll(folder.filePath("open.csv")).endsWith("\n"));
    writeAll(folder.filePath("other.csv"), "name,value\na,1\n");
    const Run other = runGeardim(QStringList{"--lang", "en"} + record + QStringList{"other.csv"}, {.folder = folder.path()});
    QCOMPARE(other.status, 1);
    QVERIFY2(other.err.contains("not an inspection log"), other.err.constData());
    QCOMPARE(readAll(folder.filePath("other.csv")), QByteArray("name,value\na,1\n"));
}

// Qt's note about XDG_RUNTIME_DIR says nothing of the program's files: not printed.
void TestFiles::noNoteAboutTheRuntimeFolder()
{
    QTemporaryDir folder;
    const Run run = runGeardim({"sheet", "--module", "1", "--teeth", "30", "--pdf", "a.pdf", "--picture", "a.png"},
                               {.environment = {"XDG_RUNTIME_DIR="}, .folder = folder.path()});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
}

void TestFiles::fifosAreRefusedInsteadOfWaitedFor_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("settingsFifo"); // the settings file is a FIFO
    QTest::addColumn<int>("status");
    QTest::newRow("load") << QStringList{"sheet", "--load", "input.fifo"} << "" << 1;
    QTest::newRow("batch") << QStringList{"sheet", "--batch", "input.fifo"} << "" << 1;
    QTest::newRow("settings_command_line") << kGear << "yes" << 0;
    // A gear file through a pipe (valid JSON, then 2 MiB of blanks): not a regular file.
    QTest::newRow("load_from_a_pipe") << QStringList{"sheet", "--load", "/dev/stdin"} << "" << 1;
    QTest::newRow("settings_windows") << QStringList{} << "yes" << 0;
}

void TestFiles::fifosAreRefusedInsteadOfWaitedFor()
{
#if defined(Q_OS_UNIX)
    QFETCH(QStringList, arguments);
    QFETCH(QString, settingsFifo);
    QFETCH(int, status);
    const QString fifo = dir.filePath("input.fifo");
    if (!QFileInfo::exists(fifo))
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QStringList environment{"QT_QPA_PLATFORM=offscreen", "GEARDIM_QUIT_AFTER_FIRST_PAINT=1"};
    if (!settingsFifo.isEmpty()) {
        const QString config = dir.filePath("config");
        QDir().mkpath(config + "/geardim");
        if (!QFileInfo::exists(config + "/geardim/geardim.conf"))
            QVERIFY(mkfifo(QFile::encodeName(config + "/geardim/geardim.conf").constData(), 0600) == 0);
        environment << "XDG_CONFIG_HOME=" + config;
    }
    const Run run = runGeardim(arguments, {.environment = environment, .folder = dir.path(), .milliseconds = 20000});
    QVERIFY2(run.finished, "the program waited on a FIFO");
    QCOMPARE(run.status, status);
    if (!settingsFifo.isEmpty())
        QVERIFY2(run.err.contains("geardim.conf"), run.err.constData());
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

void TestFiles::batchNeverWritesOverItsInput_data()
{
    QTest::addColumn<QString>("out");
    QTest::newRow("same_name") << "same.csv";
    QTest::newRow("dot_slash") << "./same.csv";
    QTest::newRow("through_a_link") << "same-link.csv";
}

void TestFiles::batchNeverWritesOverItsInput()
{
#if defined(Q_OS_UNIX)
    QFETCH(QString, out);
    const QString input = dir.filePath("same.csv");
    writeAll(input, "module,teeth\n1,30\n");
    if (!QFileInfo::exists(dir.filePath("same-link.csv")))
        QVERIFY(QFile::link(input, dir.filePath("same-link.csv")));
    const Run run = runGeardim({"sheet", "--batch", "same.csv", "--out", out}, {.folder = dir.path()});
    QCOMPARE(run.status, 2);
    QCOMPARE(readAll(input), QByteArray("module,teeth\n1,30\n"));
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

void TestFiles::killedBatchLeavesTheOldOutput_data()
{
    QTest::addColumn<int>("signal");
#if defined(Q_OS_UNIX)
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGPIPE") << SIGPIPE;
    QTest::newRow("SIGKILL") << SIGKILL;
#else
    QTest::newRow("no signals") << 0;
#endif
}

void TestFiles::killedBatchLeavesTheOldOutput()
{
#if defined(Q_OS_UNIX)
    QFETCH(int, signal);
    QTemporaryDir folder;
    writeBatch(folder.filePath("many.csv"), 400000);
    writeAll(folder.filePath("out.csv"), "the old results\n");
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(QStringLiteral(GEARDIM_EXE), {"sheet", "--batch", "many.csv", "--out", "out.csv"});
    QVERIFY(process.waitForStarted());
    // Kill it once it is writing: its temporary file, named or not, has grown (seen through
    // the program's open files, as an unnamed file has no name in the folder).
    const auto writing = [&process, &folder] {
        const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
        for (const QString &fd : QDir(fds).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
            const QString target = QFile::symLinkTarget(fds + "/" + fd);
            struct stat st {};
            if (target.startsWith(folder.path()) && !target.endsWith("many.csv")
                && ::stat(QFile::encodeName(fds + "/" + fd).constData(), &st) == 0 && st.st_size > 100000)
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(writing(), 20000);
    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(readAll(folder.filePath("out.csv")), QByteArray("the old results\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"many.csv", "out.csv"}));
#else
    QSKIP("a POSIX fault (mount, rlimit, FIFO, device node, hard link, signal or owner): the Windows build under wine has none of these to inject");
#endif
}

void TestFiles::optionsThatCannotApplyAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    const QStringList batch{"sheet", "--batch", "in.csv"};
    QTest::newRow("save_with_batch") << batch + QStringList{"--save", "x.gear"} << 2 << "--save";
    QTest::newRow("pdf_with_batch") << batch + QStringList{"--pdf", "x.pdf"} << 2 << "--pdf";
    QTest::newRow("picture_with_batch") << batch + QStringList{"--picture", "x.png"} << 2 << "--picture";
    QTest::newRow("out_without_batch") << kGear + QStringList{"--out", "x.csv"} << 2 << "--out";
    QTest::newRow("lang_unknown") << QStringList{"--lang", "fr", "sheet"} << 2 << "fr";
    QTest::newRow("lang_without_value") << QStringList{"sheet", "--lang"} << 2 << "--lang";
    QTest::newRow("blank_value") << QStringList{"sheet", "--module", " ", "--teeth", "30"} << 2 << "--module";
    QTest::newRow("picture_too_large") << kGear + QStringList{"--picture", "x.png", "--picture-size", "20000x20000"} << 2
                                       << "8000";
    QTest::newRow("no_sheet_no_file") << QStringList{"sheet", "--module", "-1", "--teeth", "30", "--save", "x.gear"} << 1
                                      << "";
    QTest::newRow("teeth_not_whole_no_file") << QStringList{"sheet", "--module", "1", "--teeth", "2.5", "--save", "x.gear"}
                                             << 1 << "";
    QTest::newRow("batch_folder") << QStringList{"sheet", "--batch", "."} << 1 << "folder";
    QTest::newRow("summary_without_batch") << kGear + QStringList{"--summary"} << 2 << "--summary";
    QTest::newRow("record_with_batch") << QStringList{"sheet", "--batch", "in.csv", "--record", "log.csv"} << 2 << "--record";
}

void TestFiles::optionsThatCannotApplyAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QTemporaryDir folder;
    writeAll(folder.filePath("in.csv"), "module,teeth\n1,30\n");
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    const Run run = runGeardim(QStringList{"--lang", "en"} + arguments, {.folder = folder.path()});
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).contains(said), run.err.constData());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before); // nothing written
}

void TestFiles::gearFileKeysAndVersions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("misspelt_key") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "helixAngel": 15}})")
                                  << 1 << "gear.helixAngel";
    QTest::newRow("unknown_section") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30}, "gauges": {}})")
                                     << 1 << "gauges";
    QTest::newRow("newer_minor_may_add") << QByteArray(R"({"format": "geardim-gear", "version": 1.3, "gear": {"module": 2, "teeth": 30, "helixAngel": 15}})")
                                         << 0 << "";
    QTest::newRow("version_below_1") << QByteArray(R"({"format": "geardim-gear", "version": 0.9, "gear": {"module": 2, "teeth": 30}})")
                                     << 1 << "version";
    QTest::newRow("version_text") << QByteArray(R"({"format": "geardim-gear", "version": "1", "gear": {"module": 2, "teeth": 30}})")
                                  << 1 << "version";
    QTest::newRow("underflow_is_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 2, "teeth": 30, "shift": 1e-400}})")
                                       << 0 << "";
    QTest::newRow("underflowing_module_is_zero") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": -1E-999, "teeth": 30}})")
                                                 << 1 << "gear.module";
    QTest::newRow("overflow_is_refused") << QByteArray(R"({"format": "geardim-gear", "version": 1, "gear": {"module": 1e400, "teeth": 30}})")
                                         << 1 << "JSON";
}

void TestFiles::gearFileKeysAndVersions()
{
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QString, said);
    writeAll(dir.filePath("keys.gear"), file);
    const Run run = runGeardim({"--lang", "en", "sheet", "--load", "keys.gear", "--format", "json"}, {.folder = dir.path()});
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).contains(said), run.err.constData());
    if (QTest::currentDataTag() == QString("underflow_is_zero"))
        QVERIFY(run.out.contains("\"shift\": 0,"));
}

void TestFiles::numbersIgnoreACommaLocale()
{
    QProcess locales;
    locales.start("locale", {"-a"});
    locales.waitForFinished();
    if (!locales.readAllStandardOutput().toLower().contains("de_de.utf"))
        QSKIP("the de_DE.UTF-8 locale is not generated here; scripts/install-deps generates it");
    const QStringList comma{"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"};
    const Run text = runGeardim(kGear, {.environment = comma, .folder = dir.path()});
    QCOMPARE(text.status, 0);
    QVERIFY2(text.out.contains("60.0000") && !text.out.contains("60,0000"), text.out.constData());
    const Run svg = runGeardim(kGear + QStringList{"--picture", "comma.svg"}, {.environment = comma, .folder = dir.path()});
    QCOMPARE(svg.status, 0);
    const QByteArray picture = readAll(dir.filePath("comma.svg"));
    QVERIFY(picture.contains("cx=\""));
    QVERIFY2(!QRegularExpression(R"(="-?\d+,\d+")").match(QString::fromUtf8(picture)).hasMatch(), "a comma in an SVG number");
    const Run json = runGeardim(kGear + QStringList{"--format", "json"}, {.environment = comma, .folder = dir.path()});
    QVERIFY(json.out.contains("\"referenceDiameter\": 60,"));
}

void TestFiles::helpAllShowsQtsOptions()
{
    const Run help = runGeardim({"--help"}, {.folder = dir.path()});
    const Run all = runGeardim({"--help-all"}, {.folder = dir.path()});
    QCOMPARE(all.status, 0);
    QVERIFY(all.out.contains("--batch") && all.out.contains("qmljsdebugger"));
    QVERIFY(!help.out.contains("qmljsdebugger"));
}

// Four parts whose M values are the upper limit, the lower limit, one within and one
// beyond: the summary counts them, and the histogram is drawn; a failing part exits 4
// only with --fail-exit.
void TestFiles::batchSummaryAndItsHistogram()
{
    QTemporaryDir folder;
    writeAll(folder.filePath("parts.csv"), "module,teeth,allowance-upper,allowance-lower,gauge-diameter,measured-over-gauges\n"
                                           "1,30,-0.03,-0.06,1.7,32.238\n1,30,-0.03,-0.06,1.7,32.1642\n"
                                           "1,30,-0.03,-0.06,1.7,32.2\n1,30,-0.03,-0.06,1.7,32.3\n");
    const Run run = runGeardim({"--lang", "en", "sheet", "--batch", "parts.csv", "--out", "out.csv", "--summary", "--format",
                                "json", "--picture", "spread.png"},
                               {.folder = folder.path()});
    QCOMPARE(run.status, 0);
    const QJsonObject summary = QJsonDocument::fromJson(run.out).object()["summary"].toObject()["overGauges"].toObject();
    QCOMPARE(summary["count"].toInt(), 4);
    QCOMPARE(summary["pass"].toInt(), 2); // 32.238 is a little above the exact upper limit 32.23799…
    QVERIFY(summary["cp"].isDouble() && summary["stddev"].toDouble() > 0);
    QVERIFY(readAll(folder.filePath("spread.png")).startsWith("\x89PNG"));
    const QStringList one{"sheet", "--module", "1", "--teeth", "30", "--allowance-upper", "-0.03", "--allowance-lower",
                          "-0.06", "--gauge-diameter", "1.7", "--measured-over-gauges", "32.3"};
    QCOMPARE(runGeardim(one, {.folder = folder.path()}).status, 0);
    QCOMPARE(runGeardim(one + QStringList{"--fail-exit"}, {.folder = folder.path()}).status, 4);
    // Thin fails as thick does; equal allowances judge nothing: 5 with --fail-exit, 0 without.
    QStringList thin = one;
    thin.last() = "32.1";
    QCOMPARE(runGeardim(thin + QStringList{"--fail-exit"}, {.folder = folder.path()}).status, 4);
    const QStringList untoleranced{"sheet", "--module", "1", "--teeth", "30", "--gauge-diameter", "1.7",
                                   "--measured-over-gauges", "32.3", "--fail-exit", "--format", "json"};
    const Run notJudged = runGeardim(untoleranced, {.folder = folder.path()});
    QCOMPARE(notJudged.status, 5);
    QVERIFY(notJudged.out.contains("\"verdict\": \"notJudged\"") && notJudged.out.contains("allowancesNotGiven"));
    QCOMPARE(runGeardim(untoleranced.mid(0, untoleranced.size() - 3), {.folder = folder.path()}).status, 0);
    // A value that means nothing for the gear (a span on an internal gear) is not judged either,
    // as the PDF's conclusion says.
    QCOMPARE(runGeardim({"sheet", "--module", "2", "--teeth", "60", "--internal", "--allowance-upper", "-0.03", "--allowance-lower",
                         "-0.06", "--measured-span", "30", "--fail-exit"},
                        {.folder = folder.path()})
                 .status,
             5);
    // In a batch: a failing part exits 4 with --fail-exit, 0 without; a line without a
    // result still exits 3.
    const QStringList batch{"sheet", "--batch", "parts.csv", "--out", "out.csv"};
    QCOMPARE(runGeardim(batch, {.folder = folder.path()}).status, 0);
    QCOMPARE(runGeardim(batch + QStringList{"--fail-exit"}, {.folder = folder.path()}).status, 4);
    writeAll(folder.filePath("open.csv"), "module,teeth,gauge-diameter,measured-over-gauges\n1,30,1.7,32.3\n");
    QCOMPARE(runGeardim({"sheet", "--batch", "open.csv", "--out", "out.csv", "--fail-exit"}, {.folder = folder.path()}).status, 5);
    writeAll(folder.filePath("broken.csv"), "module,teeth,allowance-upper,allowance-lower,gauge-diameter,measured-over-gauges\n"
                                            "1,30,-0.03,-0.06,1.7,32.3\n1,2,-0.03,-0.06,1.7,32.3\n");
    QCOMPARE(runGeardim({"sheet", "--batch", "broken.csv", "--out", "out.csv", "--fail-exit"}, {.folder = folder.path()}).status, 3);
    writeAll(folder.filePath("splines.csv"), "designation,spline-length,measured\nEXT 25z x 1m x 30R x 6e,15,27.45\n"
                                             "INT 25z x 1m x 30P x 5H,15,22.35\n");
    const QStringList splines{"spline", "--batch", "splines.csv", "--out", "out.csv"};
    QCOMPARE(runGeardim(splines, {.folder = folder.path()}).status, 0);
    QCOMPARE(runGeardim(splines + QStringList{"--fail-exit"}, {.folder = folder.path()}).status, 4);
}

// The PDF an inspector signs says the part's conclusion and marks a failing value; the
// spline's prints its measured value too.
void TestFiles::papersCarryTheVerdict_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");
    const QStringList gear{"sheet", "--module", "1", "--teeth", "30", "--allowance-upper", "-0.03", "--allowance-lower", "-0.06",
                           "--gauge-diameter", "1.7"};
    QTest::newRow("gear passes") << gear + QStringList{"--measured-over-gauges", "32.2"} << QStringList{"结论：合格"};
    QTest::newRow("gear fails") << gear + QStringList{"--measured-over-gauges", "32.2", "--measured-span", "10.9"}
                                << QStringList{"结论：不合格", "【不合格】实测 公法线长度 W"};
    QTest::newRow("gear not judged") << QStringList{"sheet", "--module", "1", "--teeth", "30", "--measured-over-gauges", "32.2"}
                                     << QStringList{"结论：未判定"};
    QTest::newRow("english") << QStringList{"--lang", "en"} + gear + QStringList{"--measured-over-gauges", "32.3"}
                             << QStringList{"Result: fail"};
    QTest::newRow("spline fails") << QStringList{"spline", "--designation", "INT 25z × 1m × 30P × 5H", "--spline-length", "15",
                                                 "--measured", "22.35", "--part", "H-0042", "--inspector", "李工"}
                                  << QStringList{"实测棒间距 M = 22.3500", "结论：不合格", "零件编号：H-0042", "检验员：李工", "签字："};
}

void TestFiles::papersCarryTheVerdict()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not on the path: under wine it is a Linux program the Windows test cannot start");
    QTemporaryDir folder;
    QCOMPARE(runGeardim(arguments + QStringList{"--pdf", "part.pdf"}, {.folder = folder.path()}).status, 0);
    QProcess text;
    text.start("pdftotext", {folder.filePath("part.pdf"), "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).remove(' ');
    for (QString e : expected)
        QVERIFY2(page.contains(e.remove(' ')), qPrintable(page));
}

void TestFiles::pagesSetLatinTextInALatinFace_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("fonts");
    QTest::addColumn<QString>("captionEnd"); // the caption's last words: it is never cut
    QTest::newRow("en") << "en" << QStringList{"DejaVuSans"} << "touch the flanks on the circle d_W";
    QTest::newRow("zh") << "zh" << QStringList{"DejaVuSans", "UMing"} << "公法线量具的测量面在圆 d_W 上接触齿面";
}

void TestFiles::pagesSetLatinTextInALatinFace()
{
    QFETCH(QString, language);
    QFETCH(QStringList, fonts);
    QFETCH(QString, captionEnd);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("poppler-utils are not installed; scripts/install-deps installs them");
    // An odd helical gear over pins: the longest caption.
    const QString pdf = dir.filePath("page-" + language + ".pdf");
    const Run run = runGeardim({"--lang", language, "sheet", "--module", "2", "--teeth", "21", "--helix-angle", "20",
                                "--gauge", "pin", "--gauge-diameter", "3.5", "--pdf", pdf},
                               {.folder = dir.path()});
    QCOMPARE(run.status, 0);
    QProcess pdffonts;
    pdffonts.start("pdffonts", {pdf});
    QVERIFY(pdffonts.waitForFinished());
    const QString listed = QString::fromUtf8(pdffonts.readAllStandardOutput());
    for (const QString &font : fonts)
        QVERIFY2(listed.contains(font), qPrintable(listed));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished());
    QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(page.remove(' ').contains(QString(captionEnd).remove(' ')), qPrintable(page));
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
