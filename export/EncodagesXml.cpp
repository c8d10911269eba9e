#include "EncodagesXml.hpp"

#include <strings.h>

#include <array>
#include <cstddef>

namespace orbalide {
namespace {

// The characters of Windows-1252's bytes 0x80 to 0x9F, where it is not Latin-1 (−1: none).
constexpr std::array<int, 32> kWindows1252{
    0x20AC, -1,     0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, -1,     0x017D, -1,     -1,     0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, -1,     0x017E, 0x0178};

}  // namespace

int EncodageInconnu(void*, const XML_Char* nom, XML_Encoding* info) {
  if (strcasecmp(nom, "windows-1252") != 0 && strcasecmp(nom, "cp1252") != 0) {
    return XML_STATUS_ERROR;
  }
  for (int octet = 0; octet < 256; ++octet) {
    const bool propre = octet >= 0x80 && octet < 0xA0;
    info->map[octet] = propre ? kWindows1252[static_cast<std::size_t>(octet - 0x80)] : octet;
  }
  info->data = nullptr, info->convert = nullptr, info->release = nullptr;
  return XML_STATUS_OK;
}

}  // namespace orbalide
