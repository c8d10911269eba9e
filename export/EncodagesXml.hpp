// The encodings that programs write XML files in and expat does not know by itself.
#pragma once

#include <expat.h>

namespace orbalide {

// expat's handler of an encoding it does not know (XML_SetUnknownEncodingHandler): Windows-1252
// (or cp1252, in any case), which programs of that system write GPX in, as the characters of its
// bytes; any other encoding refused.
int EncodageInconnu(void* donnees, const XML_Char* nom, XML_Encoding* info);

}  // namespace orbalide
