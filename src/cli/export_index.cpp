#include "cli/export_index.h"

#include <sstream>

namespace vestara {
namespace {

constexpr char kContactSheetHead[] = R"(<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>Vestara items</title>
<style>
body { font-family: sans-serif; background: #f0f0f0; }
figure { display: inline-block; margin: 6px; text-align: center; vertical-align: top; }
figcaption { font-size: 12px; max-width: 160px; }
img { image-rendering: pixelated; }
.missing figcaption { color: #a00; }
</style>
</head>
<body>
<h1>Vestara items</h1>
)";

// The heading of an item's group: its category, and gender and colour where they apply.
std::string GroupOf(const ExportedItem& item) {
  if (item.gender.empty()) return item.category;
  return item.category + " " + item.gender + "-" + item.color;
}

}  // namespace

std::string PositionText(int position) {
  std::string text = std::to_string(position);
  return std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string MakeIndexCsv(const std::vector<ExportedItem>& items) {
  std::ostringstream csv;
  csv << "category,position,label,gender,colour,archive,frame,width,height,file\r\n";
  for (const ExportedItem& item : items) {
    csv << CsvField(item.category) << ',' << item.position << ',' << CsvField(item.label) << ','
        << CsvField(item.gender) << ',' << CsvField(item.color) << ',' << CsvField(item.archive)
        << ',' << item.frame << ',';
    if (item.size)
      csv << item.size->width << ',' << item.size->height;
    else
      csv << ',';
    csv << ',' << CsvField(item.file) << "\r\n";
  }
  return csv.str();
}

std::string HtmlEscape(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string MakeContactSheet(const std::vector<ExportedItem>& items) {
  return MakeContactSheet(items, [](const ExportedItem& item) {
    return "<img src=\"" + HtmlEscape(item.file) + "\" alt=\"" + HtmlEscape(item.label) +
           "\" loading=\"lazy\">";
  });
}

std::string MakeContactSheet(const std::vector<ExportedItem>& items,
                             const std::function<std::string(const ExportedItem&)>& picture) {
  std::ostringstream html;
  html << kContactSheetHead;
  std::string group;
  for (const ExportedItem& item : items) {
    if (GroupOf(item) != group) {
      if (!group.empty()) html << "</section>\n";
      group = GroupOf(item);
      html << "<section>\n<h2>" << HtmlEscape(group) << "</h2>\n";
    }
    const std::string caption = PositionText(item.position) + " " + HtmlEscape(item.label);
    if (item.file.empty()) {
      html << "<figure class=\"missing\"><figcaption>" << caption << "<br>"
           << HtmlEscape(item.problem) << "</figcaption></figure>\n";
    } else {
      html << "<figure>" << picture(item) << "<figcaption>" << caption
           << "</figcaption></figure>\n";
    }
  }
  if (!group.empty()) html << "</section>\n";
  html << "</body>\n</html>\n";
  return html.str();
}

}  // namespace vestara
