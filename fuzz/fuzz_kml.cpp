// Any name and six coordinate texts exported into a directory of its own: afterwards either the
// message was shown and no file exists, or exactly one well-formed file lies in that directory
// and its path was handed over.
#include <libxml/parser.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Calculatrice.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using namespace orbalide::test;
using orbalide::fuzz::Verifier;
namespace fs = std::filesystem;

namespace {

const fs::path& Directory() {
  static const fs::path dir = [] {
    char pattern[] = "/tmp/orbalide-fuzz-kml-XXXXXX";
    return fs::path(mkdtemp(pattern));
  }();
  return dir;
}

bool WellFormed(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  const std::string content = s.str();
  xmlDocPtr doc = xmlReadMemory(content.data(), static_cast<int>(content.size()), "f.kml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  xmlFreeDoc(doc);
  return doc != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Calculatrice c;
  if (size < 1) return 0;
  c.platform.directory = Directory().string();
  std::vector<std::string> parts(7);
  std::size_t part = 0;
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] == '\n' && part + 1 < parts.size()) {
      ++part;
    } else {
      parts[part] += static_cast<char>(data[i]);
    }
  }
  const auto slot = static_cast<std::int16_t>(data[0] % 4);
  FormFormules& f = c.f;
  f.Emplacements(static_cast<std::int16_t>(slot)).Nom->SetText(parts[0]);
  for (std::size_t i = 0; i < 6; ++i) f.Boite(kComposantes[i], slot).SetText(parts[i + 1]);
  c.platform.messages.clear();
  c.platform.opened.clear();
  f.Command11_Click(slot);

  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(Directory())) files.push_back(e.path());
  if (!c.platform.messages.empty()) {
    Verifier(c.platform.messages.size() == 1 && files.empty() && c.platform.opened.empty(),
             "a failed export leaves nothing and hands nothing over");
  } else {
    Verifier(files.size() == 1 && c.platform.opened.size() == 1, "one file, handed over");
    Verifier(fs::path(c.platform.opened[0]) == files[0], "the file handed over");
    Verifier(files[0].parent_path() == Directory(), "inside the directory");
    Verifier(WellFormed(files[0]), "well-formed");
  }
  for (const fs::path& file : files) fs::remove(file);
  return 0;
}
