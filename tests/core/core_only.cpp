// Links the core alone, with no Qt module: the default gear of the M-value window
// computed and written as its labels show it.
#include <cstdio>
#include <string>

#include "core/calc/mvalue.h"
#include "core/common/resulttext.h"

int main()
{
    using namespace geardim;
    const auto out = computeMValue({.m = 2, .z = 50, .alphaDeg = 20, .x = -1.1f, .betaDeg = 30, .dp = 3.36f});
    if (!out.ok()) {
        std::puts("0 passed, 1 failed: the default gear has no result");
        return 1;
    }
    const auto &r = out.value();
    const std::string got[] = {resultText(r.M), resultText(r.s), resultText(*r.L), resultText(*r.k)};
    const std::string want[] = {"115.2817", "1.540402", "38.979", "7"};
    int failed = 0;
    for (int i = 0; i < 4; ++i) {
        if (got[i] != want[i]) {
            std::printf("got %s, want %s\n", got[i].c_str(), want[i].c_str());
            ++failed;
        }
    }
    std::printf("%d passed, %d failed\n", 4 - failed, failed);
    return failed ? 1 : 0;
}
