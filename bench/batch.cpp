// The batch run against its floor: the same gears computed by `geardim sheet --batch` (a real
// process: reading, computing, writing every column) and by a loop in this process that
// computes each gear and writes as many columns (the input cells, every result column) with
// std::to_chars into one buffer; and the batch's peak memory for 10,000 and for 1,000,000 lines.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/spawn.h"
#include "core/gear/gear.h"
#include "core/sheet/sheetreport.h"

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

// The floor: computeSheet for every gear, then its line with std::to_chars into one buffer
// written in large blocks: the input cells, and as many numbers as the sheet's CSV has result
// columns, taken from the sheet's dimensions in turn.
double floorSeconds(long lines)
{
    std::FILE *sink = std::fopen("/dev/null", "wb");
    const std::size_t columns = geardim::sheetColumnNames().size() + 1; // and the error column
    std::string buffer;
    buffer.reserve(1 << 21);
    char number[32];
    const auto append = [&](double v) {
        buffer.append(number, std::to_chars(number, number + sizeof number, v).ptr);
        buffer += ',';
    };
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < lines; ++i) {
        const geardim::SheetInput in = gear(i);
        for (double v : {*in.module, in.teeth, in.helixAngleDeg, *in.shift, in.allowanceUpper, in.allowanceLower})
            append(v);
        const auto sheet = geardim::computeSheet(in);
        if (!sheet.ok()) {
            buffer.append(columns, ',');
        } else {
            const geardim::SheetResult &r = sheet.value();
            const double values[] = {r.module, r.referenceDiameter, r.baseDiameter, r.tipDiameter, r.thickness.nominal,
                                     r.thickness.max, r.thickness.min, r.overGauges.nominal, r.overGauges.max,
                                     r.overGauges.min, r.radial.nominal, r.radial.max, r.radial.min, r.gaugeDiameter};
            for (std::size_t c = 0; c < columns; ++c)
                append(values[c % std::size(values)]);
        }
        buffer.back() = '\n';
        if (buffer.size() > (1 << 20)) {
            std::fwrite(buffer.data(), 1, buffer.size(), sink);
            buffer.clear();
        }
    }
    std::fwrite(buffer.data(), 1, buffer.size(), sink);
    std::fclose(sink);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
    const double floor = floorSeconds(lines);
    std::remove(small.c_str());
    std::remove(large.c_str());
    if (smallRun.status != 0 || largeRun.status != 0) {
        std::fprintf(stderr, "the batch did not finish with every line computed (status %d, %d)\n",
                     smallRun.status, largeRun.status);
        return 1;
    }
    const double largeSeconds = largeRun.toExit / 1000;
    const double speedRatio = floor / largeSeconds;
    const double memoryRatio = double(largeRun.peakKilobytes) / double(smallRun.peakKilobytes);
    std::printf("batch of %ld gears\n", lines);
    std::printf("  geardim sheet --batch   %8.3f s  %7.0f gears/s   peak %ld KiB\n", largeSeconds,
                lines / largeSeconds, largeRun.peakKilobytes);
    std::printf("  floor (compute, to_chars) %6.3f s  %7.0f gears/s\n", floor, lines / floor);
    std::printf("  speed ratio %.3f (target >= 0.7)\n", speedRatio);
    std::printf("  peak memory, 10,000 lines %ld KiB, %ld lines %ld KiB: ratio %.3f (target <= 1.10)\n",
                smallRun.peakKilobytes, lines, largeRun.peakKilobytes, memoryRatio);
    const bool met = speedRatio >= 0.7 && memoryRatio <= 1.10;
    std::printf("  %s\n", met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}
