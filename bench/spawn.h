#pragma once

// Starting a program and timing it, for the start-up and command-line benchmarks: the
// wall time to a "shown" line on standard output (the first painted window) and to the
// process's exit, its cpu time and its peak resident memory; and the statistics the
// benchmarks print.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char **environ;

namespace bench {

struct Sample {
    double toShown = 0;  // ms from the spawn to "shown" (0 when not waited for)
    double toExit = 0;   // ms from the spawn to the process's exit
    double cpu = 0;      // ms of user and system time of the whole run
    long peakKilobytes = 0;
    int status = -1;     // the exit status, -1 when it did not exit normally
    bool ok = false;     // exited with status 0 (and said "shown" when waited for)
};

// Runs args[0] with args. With waitForShown its standard output comes through a pipe,
// read until the end and timed at "shown"; otherwise it goes to /dev/null, so that a
// program that writes much is timed without a reader beside it.
inline Sample runOnce(const std::vector<std::string> &args, bool waitForShown)
{
    Sample sample;
    int pipeFds[2] = {-1, -1};
    if (waitForShown && pipe(pipeFds) != 0)
        return sample;
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (waitForShown) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    const auto since = [&start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    bool shown = false;
    if (waitForShown) {
        close(pipeFds[1]);
        // Reads everything, so that the program is never held up by a full pipe.
        std::string out;
        char buffer[4096];
        for (ssize_t n; spawned == 0 && (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
            out.append(buffer, static_cast<std::size_t>(n));
            if (!shown && out.find("shown\n") != std::string::npos) {
                shown = true;
                sample.toShown = since();
            }
        }
        close(pipeFds[0]);
    }
    if (spawned != 0)
        return sample;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample.toExit = since();
    sample.peakKilobytes = usage.ru_maxrss;
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    sample.cpu = ms(usage.ru_utime) + ms(usage.ru_stime);
    sample.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    sample.ok = (shown || !waitForShown) && sample.status == 0;
    return sample;
}

// This machine's cores do not run equally fast (a neighbour may hold one for seconds),
// and alternating programs tend to land on alternating cores. So each pair of runs is
// pinned to one core, the next pair to the next: both programs see every core equally.
inline void pinPair(int pair)
{
    cpu_set_t all;
    if (sched_getaffinity(0, sizeof all, &all) != 0)
        return;
    static std::vector<int> cores = [&all] {
        std::vector<int> c;
        for (int i = 0; i < CPU_SETSIZE; ++i) {
            if (CPU_ISSET(i, &all))
                c.push_back(i);
        }
        return c;
    }();
    if (cores.empty())
        return;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cores[std::size_t(pair) % cores.size()], &one);
    sched_setaffinity(0, sizeof one, &one);
}

// Runs the floor and the program alternately, `runs` times each after one untimed start
// of each (which fills the file caches), each pair on one core. False, having said which
// failed, when a program did not end well (or did not show its window when waited for).
inline bool runPairs(const std::vector<std::string> (&programs)[2], int runs, bool waitForShown,
                     std::vector<Sample> (&samples)[2])
{
    for (int i = -1; i < runs; ++i) {
        if (i >= 0)
            pinPair(i);
        for (int which = 0; which < 2; ++which) {
            const Sample s = runOnce(programs[which], waitForShown);
            if (!s.ok) {
                std::fprintf(stderr, "%s failed%s\n", programs[which][0].c_str(),
                             waitForShown ? " or did not show its window" : "");
                return false;
            }
            if (i >= 0)
                samples[which].push_back(s);
        }
    }
    return true;
}

struct Spread {
    double median, q1, q3;
};

template <typename T>
Spread spread(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return {double(v[v.size() / 2]), double(v[v.size() / 4]), double(v[v.size() * 3 / 4])};
}

// The median of the program's ratios to the floor run just before it on the same core:
// the core's speed cancels within each pair, where it would not between two medians
// when the cores' speeds differ for long stretches.
template <typename Field>
double pairedRatio(const std::vector<Sample> &floor, const std::vector<Sample> &program, Field field)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < floor.size() && i < program.size(); ++i)
        ratios.push_back(double(program[i].*field) / double(floor[i].*field));
    return spread(ratios).median;
}

} // namespace bench
