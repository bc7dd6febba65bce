// Starts the program and the bare window alternately, offscreen, and prints the
// medians of the time from process start to the first painted window and of the
// peak resident memory, with the program's ratios to the bare window.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Sample {
    double milliseconds;    // wall time from the spawn to "shown"
    double cpuMilliseconds; // user and system time of the whole run
    long peakKilobytes;
};

bool runOnce(const char *program, Sample &sample)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    std::string out;
    char buffer[256];
    bool shown = false;
    while (!shown) {
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, static_cast<std::size_t>(n));
        shown = out.find("shown\n") != std::string::npos;
    }
    const auto end = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.peakKilobytes = usage.ru_maxrss;
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    sample.cpuMilliseconds = ms(usage.ru_utime) + ms(usage.ru_stime);
    return shown && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BARE_WINDOW PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    // This machine's neighbours slow whole stretches of runs; many alternating
    // runs keep both programs equally exposed to that.
    const int runs = argc > 3 ? std::atoi(argv[3]) : 61;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Paint as soon as a window asks for it instead of on the platform's next
    // update tick, whose phase would otherwise decide the measurement.
    setenv("QT_QPA_UPDATE_IDLE_TIME", "0", 1);
    std::vector<double> bareTimes, programTimes, bareCpu, programCpu;
    std::vector<long> bareMemory, programMemory;
    // One untimed start of each fills the file caches.
    Sample sample{};
    if (!runOnce(argv[1], sample) || !runOnce(argv[2], sample)) {
        std::fprintf(stderr, "a program did not start and show its window\n");
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            if (!runOnce(argv[1 + which], sample)) {
                std::fprintf(stderr, "%s did not show its window\n", argv[1 + which]);
                return 1;
            }
            (which == 0 ? bareTimes : programTimes).push_back(sample.milliseconds);
            (which == 0 ? bareCpu : programCpu).push_back(sample.cpuMilliseconds);
            (which == 0 ? bareMemory : programMemory).push_back(sample.peakKilobytes);
        }
    }
    const double bareT = median(bareTimes), programT = median(programTimes);
    const long bareM = median(bareMemory), programM = median(programMemory);
    const double timeRatio = programT / bareT;
    const double memoryRatio = double(programM) / double(bareM);
    const auto quartiles = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return std::pair{v[v.size() / 4], v[v.size() * 3 / 4]};
    };
    const auto [bareQ1, bareQ3] = quartiles(bareTimes);
    const auto [programQ1, programQ3] = quartiles(programTimes);
    std::printf("start-up to the first painted window, median of %d runs each, offscreen\n", runs);
    const double bareFastest = *std::min_element(bareTimes.begin(), bareTimes.end());
    const double programFastest = *std::min_element(programTimes.begin(), programTimes.end());
    std::printf("                 wall time (quartiles)        fastest    cpu time    peak memory\n");
    std::printf("  bare window   %7.2f ms (%6.2f-%6.2f) %7.2f ms  %7.2f ms   %7ld KiB\n", bareT, bareQ1, bareQ3,
                bareFastest, median(bareCpu), bareM);
    std::printf("  geardim menu  %7.2f ms (%6.2f-%6.2f) %7.2f ms  %7.2f ms   %7ld KiB\n", programT, programQ1,
                programQ3, programFastest, median(programCpu), programM);
    std::printf("  ratio         %7.3f (target <= 1.10)       %7.3f     %7.3f       %7.3f (target <= 1.15)\n",
                timeRatio, programFastest / bareFastest, median(programCpu) / median(bareCpu), memoryRatio);
    std::printf("  (cpu time runs to the process's end, after the menu is shown)\n");
    const bool met = timeRatio <= 1.10 && memoryRatio <= 1.15;
    std::printf("  %s\n", met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}
