// The menu's start-up against its floor: a floor window and the program started
// alternately, offscreen, each quitting once its window has been painted. Prints the
// medians and quartiles of the time to the first paint and to the process's exit, the
// cpu time and the peak resident memory, with the program's ratios to the floor.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/spawn.h"

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FLOOR_WINDOW PROGRAM [RUNS [TIME_TARGET MEMORY_TARGET]]\n", argv[0]);
        return 2;
    }
    // Many alternating runs keep both programs equally exposed to this machine's neighbours.
    const int runs = argc > 3 ? std::atoi(argv[3]) : 61;
    // The menu's first paint and its peak memory within 1.05 times the same-content floor.
    const double timeTarget = argc > 4 ? std::atof(argv[4]) : 1.05;
    const double memoryTarget = argc > 5 ? std::atof(argv[5]) : 1.05;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Paint as soon as a window asks for it instead of on the platform's next
    // update tick, whose phase would otherwise decide the measurement.
    setenv("QT_QPA_UPDATE_IDLE_TIME", "0", 1);
    // The program says "shown" and ends after its first paint, as the floor does.
    setenv("GEARDIM_QUIT_AFTER_FIRST_PAINT", "1", 1);
    const std::vector<std::string> programs[2] = {{argv[1]}, {argv[2]}};
    std::vector<bench::Sample> samples[2];
    if (!bench::runPairs(programs, runs, true, samples))
        return 1;
    struct Figures {
        bench::Spread shown, exit, cpu, memory;
    };
    Figures f[2];
    for (int which = 0; which < 2; ++which) {
        std::vector<double> shown, exit, cpu;
        std::vector<long> memory;
        for (const bench::Sample &s : samples[which]) {
            shown.push_back(s.toShown);
            exit.push_back(s.toExit);
            cpu.push_back(s.cpu);
            memory.push_back(s.peakKilobytes);
        }
        f[which] = {bench::spread(shown), bench::spread(exit), bench::spread(cpu), bench::spread(memory)};
    }
    const auto ratio = [&samples](auto field) { return bench::pairedRatio(samples[0], samples[1], field); };
    std::printf("start-up, %s against %s, offscreen, medians of %d interleaved runs each (quartiles)\n", argv[2],
                argv[1], runs);
    std::printf("                to first paint              to exit                 cpu time    peak memory\n");
    const char *names[2] = {"floor  ", "program"};
    for (int which = 0; which < 2; ++which) {
        std::printf("  %s  %7.2f ms (%6.2f-%6.2f)  %7.2f ms (%6.2f-%6.2f)  %7.2f ms  %8.0f KiB\n", names[which],
                    f[which].shown.median, f[which].shown.q1, f[which].shown.q3, f[which].exit.median,
                    f[which].exit.q1, f[which].exit.q3, f[which].cpu.median, f[which].memory.median);
    }
    const double shownRatio = ratio(&bench::Sample::toShown), memoryRatio = ratio(&bench::Sample::peakKilobytes);
    std::printf("  ratio    %7.3f (target <= %.2f)   %7.3f                  %7.3f     %7.3f (target <= %.2f)\n",
                shownRatio, timeTarget, ratio(&bench::Sample::toExit), ratio(&bench::Sample::cpu), memoryRatio,
                memoryTarget);
    std::printf("  (ratios: medians of each run's ratio to the floor run beside it on the same core;\n"
                "   ratio of the medians: %.3f to first paint, %.3f to exit, %.3f memory)\n",
                f[1].shown.median / f[0].shown.median, f[1].exit.median / f[0].exit.median,
                f[1].memory.median / f[0].memory.median);
    const bool met = shownRatio <= timeTarget && memoryRatio <= memoryTarget;
    std::printf("  %s\n", met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}
