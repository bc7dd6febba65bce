// One compute click of the M-value window with its default inputs, through the
// real window: the click handler parses, computes and writes every result label.
#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include "app/appsetup.h"
#include "app/windows.h"
#include "gui/toolkit/registry.h"

namespace {

QPushButton *button(QWidget *window, const char *name) { return window->findChild<QPushButton *>(name); }

void computeClick(benchmark::State &state)
{
    geardim::WindowRegistry &registry = geardim::WindowRegistry::instance();
    registry.show(geardim::WindowId::MValue);
    QWidget *formz = registry.window(geardim::WindowId::MValue);
    QPushButton *compute = button(formz, "Command1");
    QPushButton *clear = button(formz, "Command4");
    for (auto _ : state) {
        // Emptying the results first makes every click write its labels anew.
        state.PauseTiming();
        clear->click();
        state.ResumeTiming();
        compute->click();
    }
}
BENCHMARK(computeClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    geardim::setUpApplication();
    geardim::WindowRegistry registry;
    geardim::registerWindows(registry);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
