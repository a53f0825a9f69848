// Three-component vectors for positions in the true equator and equinox of date.
#pragma once
#include <cmath>

namespace Sky {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double f) const { return {x * f, y * f, z * f}; }
    double Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 Cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    double Length() const { return std::sqrt(Dot(*this)); }
};

// The angle between two directions, radians; exact also for tiny angles.
inline double AngleBetween(const Vec3& a, const Vec3& b) {
    return std::atan2(a.Cross(b).Length(), a.Dot(b));
}

}  // namespace Sky
