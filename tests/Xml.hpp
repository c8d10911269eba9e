// What a real XML parser, libxml2, reads of the KML and GPX files that the suites check.
#pragma once

#include <libxml/parser.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orbalide::test {

// The texts of a file's elements by name, in document order: an element's text content, or the
// "lat lon" of its attributes for a GPX point; the root's namespace and version as "xmlns" and
// "version". Nothing when the file is not well-formed.
inline std::map<std::string, std::vector<std::string>> Elements(const std::filesystem::path& file) {
  std::map<std::string, std::vector<std::string>> elements;
  xmlDocPtr doc =
      xmlReadFile(file.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (doc == nullptr) return elements;
  const auto text = [](xmlChar* t) {
    std::string s = t != nullptr ? reinterpret_cast<const char*>(t) : "";
    xmlFree(t);
    return s;
  };
  const std::function<void(xmlNodePtr)> walk = [&](xmlNodePtr n) {
    for (; n != nullptr; n = n->next) {
      if (n->type != XML_ELEMENT_NODE) continue;
      const auto attribute = [&](const char* a) { return text(xmlGetProp(n, BAD_CAST a)); };
      elements[reinterpret_cast<const char*>(n->name)].push_back(
          xmlHasProp(n, BAD_CAST "lat") != nullptr ? attribute("lat") + " " + attribute("lon")
                                                   : text(xmlNodeGetContent(n)));
      walk(n->children);
    }
  };
  const xmlNodePtr root = xmlDocGetRootElement(doc);
  elements["xmlns"] = {reinterpret_cast<const char*>(root->ns->href)};
  elements["version"] = {text(xmlGetProp(root, BAD_CAST "version"))};
  walk(root);
  xmlFreeDoc(doc);
  return elements;
}

}  // namespace orbalide::test
