#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <functional>

// The program itself, started as a shell would start it: no display, the environment of
// the test plus the variables given. GEARDIM_EXE names the program (set by the build).
struct Run {
    int status = -1; // the exit status; -1 when it crashed or did not end in time
    QByteArray out, err;
    bool finished = false;
};

struct RunOptions {
    QStringList environment{};        // "NAME=value"
    QString folder{};                 // the working folder; the test's own when empty
    std::function<void()> inChild{};  // run in the child before the program starts
    int milliseconds = 30000;         // killed, and not finished, after this
};

inline Run runGeardim(const QStringList &arguments, const RunOptions &options = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    for (const QString &variable : options.environment)
        env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    process.setProcessEnvironment(env);
    if (!options.folder.isEmpty())
        process.setWorkingDirectory(options.folder);
#if defined(Q_OS_UNIX)
    if (options.inChild)
        process.setChildProcessModifier(options.inChild);
#endif
    process.start(QStringLiteral(GEARDIM_EXE), arguments);
    Run run;
    run.finished = process.waitForFinished(options.milliseconds);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
#if defined(Q_OS_WIN)
    // A console's lines end in CRLF there; the tests read the program's text as written.
    run.out.replace("\r\n", "\n");
    run.err.replace("\r\n", "\n");
#endif
    return run;
}
