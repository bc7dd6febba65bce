// libFuzzer harness for the number parser and the result text (make fuzz).
// Every accepted text is a finite number; every finite value's result text
// parses back to within half a unit of its seventh significant digit.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/common/numberparse.h"
#include "core/common/resulttext.h"

namespace {

void requireReadsBack(double value)
{
    if (!std::isfinite(value))
        return;
    const auto back = geardim::parseDouble(geardim::resultText(value));
    if (!back)
        std::abort();
    if (value == 0) {
        if (*back != 0)
            std::abort();
        return;
    }
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 6);
    // Half a unit, plus the rounding of the decimal text itself to a double.
    if (!(std::fabs(*back - value) <= unit / 2 + std::fabs(value) * 1e-15))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The parser gets exactly the fuzzer's bytes, so a read past them is caught.
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    if (const auto d = geardim::parseDouble(text)) {
        if (!std::isfinite(*d))
            std::abort();
        requireReadsBack(*d);
    }
    if (const auto f = geardim::parseSingle(text)) {
        if (!std::isfinite(*f))
            std::abort();
        requireReadsBack(*f);
    }
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        requireReadsBack(f);
    }
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        requireReadsBack(d);
    }
    return 0;
}
