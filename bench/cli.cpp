// The command line against its floor: `geardim sheet ... --format json` and a bare
// QCommandLineParser program with the same options, started alternately without a
// display, each timed from process start to exit; medians and quartiles, and the ratio.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/spawn.h"

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FLOOR GEARDIM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 61;
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const std::vector<std::string> options = {"sheet", "--module", "1", "--teeth", "30", "--allowance-upper", "-0.03",
                                              "--allowance-lower", "-0.06", "--gauge-diameter", "1.7", "--format",
                                              "json"};
    std::vector<std::string> programs[2] = {{argv[1]}, {argv[2]}};
    for (auto &program : programs)
        program.insert(program.end(), options.begin(), options.end());
    std::vector<bench::Sample> samples[2];
    if (!bench::runPairs(programs, runs, false, samples))
        return 1;
    std::vector<double> times[2];
    for (int which = 0; which < 2; ++which) {
        for (const bench::Sample &s : samples[which])
            times[which].push_back(s.toExit);
    }
    const bench::Spread floor = bench::spread(times[0]), program = bench::spread(times[1]);
    const double ratio = bench::pairedRatio(samples[0], samples[1], &bench::Sample::toExit);
    std::printf("command line, process start to exit, medians of %d interleaved runs each (quartiles), no display\n",
                runs);
    std::printf("  QCommandLineParser floor         %7.2f ms (%6.2f-%6.2f)\n", floor.median, floor.q1, floor.q3);
    std::printf("  geardim sheet ... --format json  %7.2f ms (%6.2f-%6.2f)\n", program.median, program.q1, program.q3);
    std::printf("  ratio %.3f (target <= 3; the median of each run's ratio to the floor run beside it,\n"
                "  ratio of the medians %.3f)\n  %s\n",
                ratio, program.median / floor.median, ratio <= 3 ? "target met" : "TARGET MISSED");
    return ratio <= 3 ? 0 : 1;
}
