// A double that is always finite.
//
// Every arithmetic step of the calculator runs on Reel: an operation that would overflow,
// divide by zero or be invalid (0 ÷ 0, √ of a negative number, the sine of an infinity)
// throws ErreurArithmetique instead of yielding an infinity or a NaN. Because both operands
// of every operation are finite, "the result is finite" is exactly "no such error occurred".
// Underflow is not an error: a result too small for a double is 0, as in plain arithmetic.
#pragma once

#include <cmath>
#include <compare>
#include <stdexcept>

namespace orbalide {

// The error of the command in progress: an arithmetic step failed. Handlers catch it.
class ErreurArithmetique : public std::runtime_error {
 public:
  ErreurArithmetique() : std::runtime_error("arithmetic error") {}
};

[[noreturn, gnu::cold]] void SignalerErreurArithmetique();

class Reel {
 public:
  // Throws ErreurArithmetique when v is an infinity or a NaN.
  Reel(double v) : v_(v) {  // NOLINT(google-explicit-constructor): literals mix freely
    if (!std::isfinite(v)) [[unlikely]]
      SignalerErreurArithmetique();
  }
  explicit operator double() const { return v_; }

  friend Reel operator+(Reel a, Reel b) { return a.v_ + b.v_; }
  friend Reel operator-(Reel a, Reel b) { return a.v_ - b.v_; }
  friend Reel operator*(Reel a, Reel b) { return a.v_ * b.v_; }
  friend Reel operator/(Reel a, Reel b) { return a.v_ / b.v_; }
  friend Reel operator-(Reel a) { return -a.v_; }
  friend bool operator==(Reel a, Reel b) { return a.v_ == b.v_; }
  friend std::partial_ordering operator<=>(Reel a, Reel b) { return a.v_ <=> b.v_; }

 private:
  double v_;
};

inline Reel Sin(Reel x) {
  return std::sin(static_cast<double>(x));
}
inline Reel Cos(Reel x) {
  return std::cos(static_cast<double>(x));
}
inline Reel Tan(Reel x) {
  return std::tan(static_cast<double>(x));
}
inline Reel Atan(Reel x) {
  return std::atan(static_cast<double>(x));
}
inline Reel Sqrt(Reel x) {
  return std::sqrt(static_cast<double>(x));
}
inline Reel Abs(Reel x) {
  return std::fabs(static_cast<double>(x));
}
inline Reel Floor(Reel x) {
  return std::floor(static_cast<double>(x));
}
inline Reel Sinh(Reel x) {
  return std::sinh(static_cast<double>(x));
}
inline Reel Cosh(Reel x) {
  return std::cosh(static_cast<double>(x));
}
inline Reel Asinh(Reel x) {
  return std::asinh(static_cast<double>(x));
}
inline Reel Atanh(Reel x) {
  return std::atanh(static_cast<double>(x));
}

}  // namespace orbalide
