// Whole-number sums for stocks and cargo that stop at the ends of int instead of wrapping.
#pragma once

#include <climits>

inline int ClampToInt(long long value) {
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// Toward zero, like a plain conversion, but defined for every double (not a number gives 0).
inline int ClampToInt(double value) {
    if (value != value) {
        return 0;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

inline int SaturatingAdd(int stock, int change) { return ClampToInt(static_cast<long long>(stock) + change); }

// For food and fuel: never below 0, never past the top.
inline int AddToStock(int stock, int change) {
    long long const sum = static_cast<long long>(stock) + change;
    return sum < 0 ? 0 : ClampToInt(sum);
}
