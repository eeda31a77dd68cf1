#pragma once
// The numbers a dialog field accepts, both ends included.

namespace hm {

struct NumberRange {
    int min = 1;
    int max = 1;

    bool Contains(int value) const { return value >= min && value <= max; }
    bool operator==(const NumberRange&) const = default;
};

// A range whose upper end lies below its lower one accepts the lower end only,
// as a spin box does.
inline NumberRange SpinBoxRange(int min, int max) {
    return {min, max < min ? min : max};
}

} // namespace hm
