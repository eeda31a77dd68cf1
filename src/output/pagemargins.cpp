#include "output/pagemargins.h"

#include <cmath>

namespace hm {

int MarginToHundredthsMm(int thousandthsInch) {
    return static_cast<int>(std::lround(thousandthsInch * 0.0254)) * 100;
}

int MarginFromHundredthsMm(int hundredthsMm) {
    return static_cast<int>(std::lround(hundredthsMm / 2.54));
}

} // namespace hm
