// A control array: one name, members told apart by a 16-bit index from 0.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "Controles.hpp"

namespace orbalide {

template <class T, std::size_t N>
class ControlArray {
 public:
  ControlArray(Form& form, std::string_view name)
      : items_(Make(form, name, std::make_index_sequence<N>())) {}

  T& operator[](std::int16_t index) { return items_.at(static_cast<std::size_t>(index)); }
  const T& operator[](std::int16_t index) const {
    return items_.at(static_cast<std::size_t>(index));
  }
  static constexpr std::int16_t Size() { return static_cast<std::int16_t>(N); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }

 private:
  template <std::size_t... I>
  static std::array<T, N> Make(Form& form, std::string_view name, std::index_sequence<I...>) {
    return {{T(form, name, static_cast<std::int16_t>(I))...}};
  }
  std::array<T, N> items_;
};

}  // namespace orbalide
