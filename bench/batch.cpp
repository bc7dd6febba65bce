// The batch run against the sheet calculation itself: the same gears computed by
// `geardim sheet --batch` (a real process: reading, computing, writing every column)
// and by a loop over computeSheet in this process, and the batch's peak memory for
// 10,000 and for 1,000,000 lines.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/spawn.h"
#include "core/gear/gear.h"

namespace {

// A varied gear for line i: module, teeth, helix, shift, allowances and ball.
geardim::SheetInput gear(long i)
{
    geardim::SheetInput in;
    in.module = 1 + double(i % 7) * 0.5;
    in.teeth = double(17 + i % 83);
    in.helixAngleDeg = double(i % 4) * 10;
    in.shift = double(i % 9) * 0.05 - 0.2;
    in.allowanceUpper = -0.02;
    in.allowanceLower = -0.07;
    in.internal = false;
    return in;
}

void writeCsv(const std::string &path, long lines)
{
    std::ofstream out(path, std::ios::trunc);
    out << "module,teeth,helix-angle,shift,allowance-upper,allowance-lower\n";
    for (long i = 0; i < lines; ++i) {
        const auto g = gear(i);
        out << *g.module << ',' << g.teeth << ',' << g.helixAngleDeg << ',' << *g.shift << ','
            << g.allowanceUpper << ',' << g.allowanceLower << '\n';
    }
}

// `geardim sheet --batch IN`, its table written to /dev/null.
bench::Sample runBatch(const char *program, const std::string &in)
{
    return bench::runOnce({program, "sheet", "--batch", in}, false);
}

double loopSeconds(long lines)
{
    const auto start = std::chrono::steady_clock::now();
    double sink = 0;
    for (long i = 0; i < lines; ++i) {
        const auto sheet = geardim::computeSheet(gear(i));
        if (sheet.ok())
            sink += sheet.value().overGauges.nominal;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (sink == 0)
        std::printf("(no sheet computed)\n");
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s GEARDIM [LINES]\n", argv[0]);
        return 2;
    }
    const long lines = argc > 2 ? std::atol(argv[2]) : 1000000;
    const std::string small = "/tmp/geardim-batch-small.csv", large = "/tmp/geardim-batch-large.csv";
    writeCsv(small, 10000);
    writeCsv(large, lines);
    runBatch(argv[1], small); // fills the file caches
    const bench::Sample smallRun = runBatch(argv[1], small);
    const bench::Sample largeRun = runBatch(argv[1], large);
    const double loop = loopSeconds(lines);
    std::remove(small.c_str());
    std::remove(large.c_str());
    if (smallRun.status != 0 || largeRun.status != 0) {
        std::fprintf(stderr, "the batch did not finish with every line computed (status %d, %d)\n",
                     smallRun.status, largeRun.status);
        return 1;
    }
    const double largeSeconds = largeRun.toExit / 1000;
    const double speedRatio = loop / largeSeconds;
    const double memoryRatio = double(largeRun.peakKilobytes) / double(smallRun.peakKilobytes);
    std::printf("batch of %ld gears\n", lines);
    std::printf("  geardim sheet --batch   %8.3f s  %7.0f gears/s   peak %ld KiB\n", largeSeconds,
                lines / largeSeconds, largeRun.peakKilobytes);
    std::printf("  computeSheet in a loop  %8.3f s  %7.0f gears/s\n", loop, lines / loop);
    std::printf("  speed ratio %.3f (target >= 0.5)\n", speedRatio);
    std::printf("  peak memory, 10,000 lines %ld KiB, %ld lines %ld KiB: ratio %.3f (target <= 1.10)\n",
                smallRun.peakKilobytes, lines, largeRun.peakKilobytes, memoryRatio);
    const bool met = speedRatio >= 0.5 && memoryRatio <= 1.10;
    std::printf("  %s\n", met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}
