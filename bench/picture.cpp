// The picture of the measurement at any size: the PNG of a 3000-tooth gear against that of
// a 30-tooth gear (the same picture size, both through `geardim sheet --picture`, run in
// interleaved pairs), and one repaint of the sheet window's picture at 30 and at 1000 teeth.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/spawn.h"
#include "core/gear/gear.h"
#include "gui/painting/measurementview.h"

namespace {

// The median time of one repaint of the view, the drawing made beforehand as the window makes
// it once per computation.
double repaintMilliseconds(double teeth)
{
    geardim::MeasurementView view;
    view.resize(760, 330);
    view.setSheet(geardim::computeSheet({.module = 1, .teeth = teeth, .gaugeDiameter = 1.7}).value());
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    view.render(&image); // the first paint makes the drawing
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        view.render(&image);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s GEARDIM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 21;
    const std::string program = argv[1];
    const auto args = [&](const char *teeth) {
        return std::vector<std::string>{program, "sheet", "--module", "1", "--teeth", teeth, "--picture",
                                        std::string("/tmp/geardim-bench-") + teeth + ".png"};
    };
    const std::vector<std::string> pair[2] = {args("30"), args("3000")};
    std::vector<bench::Sample> samples[2];
    if (!bench::runPairs(pair, runs, false, samples))
        return 1;
    const double timeRatio = bench::pairedRatio(samples[0], samples[1], &bench::Sample::toExit);
    const double memoryRatio = bench::pairedRatio(samples[0], samples[1], &bench::Sample::peakKilobytes);
    std::vector<double> t30, t3000;
    for (const bench::Sample &s : samples[0])
        t30.push_back(s.toExit);
    for (const bench::Sample &s : samples[1])
        t3000.push_back(s.toExit);
    std::printf("picture, geardim sheet --picture (1200x800 PNG), medians of %d interleaved runs each\n", runs);
    std::printf("  30 teeth    %7.2f ms\n  3000 teeth  %7.2f ms\n", bench::spread(t30).median, bench::spread(t3000).median);
    std::printf("  ratio %.3f time (target <= 1.5), %.3f peak memory (target <= 1.2)\n", timeRatio, memoryRatio);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double small = repaintMilliseconds(30), large = repaintMilliseconds(1000);
    std::printf("  repaint of the view: 30 teeth %.2f ms, 1000 teeth %.2f ms (target < 16 ms)\n", small, large);
    const bool met = timeRatio <= 1.5 && memoryRatio <= 1.2 && large < 16;
    std::printf("  %s\n", met ? "targets met" : "TARGETS MISSED");
    return met ? 0 : 1;
}
