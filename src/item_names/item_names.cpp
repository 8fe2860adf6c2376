#include "item_names/item_names.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>
#include <span>

#include "catalogue/frame_tables.h"
#include "item_names/csv_records.h"

namespace vestara {
namespace {

constexpr std::string_view kHeader[] = {"category", "position", "label"};

bool IsHeader(const CsvRecord& record) {
  return record.error.empty() && record.fields.size() >= std::size(kHeader) &&
         std::equal(std::begin(kHeader), std::end(kHeader), record.fields.begin());
}

// A spreadsheet saves an empty row as separators alone.
bool IsEmptyRow(const CsvRecord& record) {
  return std::ranges::all_of(record.fields, [](const std::string& field) { return field.empty(); });
}

// The value of a position written in decimal digits alone (index.csv's own form, leading
// zeros allowed); nullopt for anything else. A number too large for the type is
// std::size_t's largest value, beyond every list.
std::optional<std::size_t> PositionOf(std::string_view text) {
  if (text.empty() || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? value : static_cast<std::size_t>(-1);
}

// Adds what `record` names to `names`; why the line is bad, or empty when it is not.
std::string TakeLine(const CsvRecord& record, ItemNames& names) {
  if (!record.error.empty()) return record.error;
  if (IsEmptyRow(record)) return {};
  if (record.fields.size() < std::size(kHeader)) return "fewer than three fields";
  const std::string& categoryText = record.fields[0];
  const std::string& positionText = record.fields[1];
  const std::string& label = record.fields[2];
  const std::optional<ItemCategory> category = CategoryFromName(categoryText);
  if (!category) return "unknown category \"" + categoryText + "\"";
  const std::optional<std::size_t> position = PositionOf(positionText);
  if (!position) return "position \"" + positionText + "\" is not a number";
  const std::span<const FrameTableEntry> table = FrameTableOf(*category);
  if (*position >= table.size()) {
    return "position " + positionText + " is beyond the " + std::string(CategoryName(*category)) +
           " list (0 to " + std::to_string(table.size() - 1) + ")";
  }
  const int at = static_cast<int>(*position);
  if (label.empty() || label == table[*position].label || names.Find(*category, at)) return {};
  names.names.push_back({*category, at, label});
  return {};
}

}  // namespace

const std::string* ItemNames::Find(ItemCategory category, int position) const {
  const auto found = std::ranges::find_if(names, [&](const ItemName& name) {
    return name.category == category && name.position == position;
  });
  return found != names.end() ? &found->label : nullptr;
}

ItemNames ParseItemNames(std::string_view text) {
  ItemNames result;
  const std::vector<CsvRecord> records = ReadCsvRecords(text);
  if (records.empty() || !IsHeader(records.front())) {
    result.badLines.push_back({1, "the first line is not the header category,position,label"});
    return result;
  }
  for (auto record = records.begin() + 1; record != records.end(); ++record) {
    std::string reason = TakeLine(*record, result);
    if (!reason.empty()) result.badLines.push_back({record->line, std::move(reason)});
  }
  return result;
}

}  // namespace vestara
