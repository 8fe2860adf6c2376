#include "cli/sheet_atlas.h"

#include <cstdio>
#include <sstream>

namespace vestara {

std::string JsonString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string MakeAtlasJson(std::span<const AtlasFrame> frames, const AtlasSheet& sheet) {
  std::ostringstream json;
  json << "{\"frames\": {";
  const char* separator = "\n";
  for (const AtlasFrame& frame : frames) {
    const int w = frame.size.width, h = frame.size.height;
    json << separator << JsonString(frame.key) << ": {\"frame\": {\"x\": " << frame.x
         << ", \"y\": " << frame.y << ", \"w\": " << w << ", \"h\": " << h
         << "}, \"rotated\": false, \"trimmed\": false, \"spriteSourceSize\": {\"x\": 0, \"y\": 0, "
         << "\"w\": " << w << ", \"h\": " << h << "}, \"sourceSize\": {\"w\": " << w
         << ", \"h\": " << h << "}, \"vestara\": {";
    const char* fieldSeparator = "";
    for (const auto& [name, value] : frame.data) {
      json << fieldSeparator << JsonString(name) << ": " << value;
      fieldSeparator = ", ";
    }
    json << "}}";
    separator = ",\n";
  }
  json << "\n},\n\"meta\": {\"app\": \"vestara-sprite\", \"version\": "
       << JsonString(VESTARA_VERSION) << ", \"image\": " << JsonString(sheet.image)
       << ", \"format\": \"RGBA8888\", \"size\": {\"w\": " << sheet.size.width
       << ", \"h\": " << sheet.size.height << "}, \"scale\": \"1\"";
  if (!sheet.relatedAtlases.empty()) {
    json << ", \"related_multi_packs\": [";
    const char* fieldSeparator = "";
    for (const std::string& atlas : sheet.relatedAtlases) {
      json << fieldSeparator << JsonString(atlas);
      fieldSeparator = ", ";
    }
    json << "]";
  }
  json << "}\n}\n";
  return json.str();
}

}  // namespace vestara
