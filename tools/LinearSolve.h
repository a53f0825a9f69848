// The linear least-squares step the fitting tools share: the normal equations solved by
// Gaussian elimination with partial pivoting.
#pragma once
#include <cmath>
#include <utility>
#include <vector>

// Solves the n x n system a x = b (row-major). A column that is all zero (a term no sample
// sees) gets the coefficient 0.
inline std::vector<double> Solve(std::vector<double> a, std::vector<double> b) {
    const size_t n = b.size();
    for (size_t c = 0; c < n; ++c) {
        size_t pivot = c;
        for (size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r * n + c]) > std::fabs(a[pivot * n + c])) pivot = r;
        for (size_t j = 0; j < n; ++j) std::swap(a[c * n + j], a[pivot * n + j]);
        std::swap(b[c], b[pivot]);
        if (a[c * n + c] == 0.0) continue;
        for (size_t r = c + 1; r < n; ++r) {
            const double f = a[r * n + c] / a[c * n + c];
            for (size_t j = c; j < n; ++j) a[r * n + j] -= f * a[c * n + j];
            b[r] -= f * b[c];
        }
    }
    std::vector<double> x(n, 0.0);
    for (size_t i = n; i-- > 0;) {
        double s = b[i];
        for (size_t j = i + 1; j < n; ++j) s -= a[i * n + j] * x[j];
        x[i] = a[i * n + i] == 0.0 ? 0.0 : s / a[i * n + i];
    }
    return x;
}
