#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "Nombres.hpp"
#include "Reel.hpp"

using namespace orbalide;

// The window's toolkit sets the user's locale; reading and writing numbers must not follow it,
// so every test here runs under one that writes "," (the test set-up installs it).
const char* const kLocale = std::setlocale(LC_ALL, "fr_FR.UTF-8");

TEST(Nombres, LireNombreReadsTheLeadingNumber) {
  ASSERT_NE(kLocale, nullptr);
  ASSERT_EQ(std::strtod("1.5", nullptr), 1.0);  // the C library reads ","
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      // clang-format off
      {"12,5", 12}, {"", 0}, {"abc", 0}, {"\t7 .2\n5", 7.25}, {"-45", -45}, {"+3e2x", 300},
      {"2e", 2}, {"2E+", 2}, {"-.5", -0.5}, {"5.", 5}, {".", 0}, {"--5", 0}, {"0023.260", 23.26},
      {"1E-999", 0}, {"N49", 0}, {"4.9e-324", 4.9e-324},
      {"1.7976931348623157E308", 1.7976931348623157e308},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(LireNombre(c.text), c.expected) << '"' << c.text << '"';
  for (const char* text : {"1E999", "-1.8e308", "99999999999999999999E99999999999999"}) {
    EXPECT_THROW(LireNombre(text), ErreurArithmetique) << text;  // beyond the double range
  }
}

TEST(Nombres, PictureAndGeneralText) {
  const struct {
    double v;
    const char* picture;  // nullptr: general text
    const char* separator;
    std::string expected;
  } cases[] = {
      {7.5, "00.000", ".", "07.500"},
      {59.99964, "00.000", ".", "60.000"},
      {156899.5682902, "00.000", ",", "156899,568"},
      {156899.5682902, "00.0000000", "٫", "156899٫5682902"},
      {123, "00", ".", "123"},
      {5, "0", ".", "5"},
      {-0.0001, "00.000", ".", "00.000"},  // no "-" before a zero
      {-5.25, "00.00", ".", "-05.25"},
      {1e20, "00.00", ".", "100000000000000000000.00"},
      {45.18804022934031, nullptr, ",", "45,1880402293403"},
      {-1.5e-7, nullptr, ".", "-0.00000015"},  // never an exponent
      {-0.0, nullptr, ".", "0"},
      {1e20, nullptr, ".", "100000000000000000000"},
      {359.99999999999997, nullptr, ".", "360"},
      {-1.7976931348623157e308, nullptr, ".", "-179769313486232" + std::string(294, '0')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        c.picture ? FormatPicture(c.v, c.picture, c.separator) : FormatGeneral(c.v, c.separator),
        c.expected)
        << c.v << " " << (c.picture ? c.picture : "general");
  }
}
