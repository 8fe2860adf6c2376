// A names file over arbitrary bytes: its decoding, its records and the names and bad lines
// they give.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/frame_tables.h"
#include "fuzz_check.h"
#include "game/utf8_text.h"
#include "item_names/csv_records.h"
#include "item_names/item_names.h"
#include "item_names/item_names_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using vestara::fuzz::Require;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto text = vestara::NamesFileText(bytes);
  if (!text) return 0;
  Require(vestara::IsValidUtf8(*text), "the text is UTF-8");
  const int lastLine = 1 + static_cast<int>(std::count(text->begin(), text->end(), '\n'));

  int previous = 0;
  for (const vestara::CsvRecord& record : vestara::ReadCsvRecords(*text)) {
    Require(record.line > previous && record.line <= lastLine,
            "records start on lines of the text, in order");
    Require(!record.fields.empty(), "a record has a field");
    previous = record.line;
  }

  const vestara::ItemNames names = vestara::ParseItemNames(*text);
  std::set<std::pair<int, int>> named;
  for (const vestara::ItemName& name : names.names) {
    const auto table = vestara::FrameTableOf(name.category);
    Require(name.position >= 0 && static_cast<std::size_t>(name.position) < table.size(),
            "a name's position lies in its list");
    Require(!name.label.empty() && name.label != table[name.position].label,
            "a name differs from the entry's own label");
    Require(named.insert({name.category, name.position}).second, "an entry has one name");
    Require(names.Find(name.category, name.position) == &name.label, "Find gives the name");
  }
  previous = 0;
  for (const vestara::BadNameLine& bad : names.badLines) {
    Require(bad.line > previous && bad.line <= lastLine && !bad.reason.empty(),
            "bad lines are lines of the text, in order, each with a reason");
    previous = bad.line;
  }
  Require(names.badLines.empty() || names.badLines.front().line != 1 || names.names.empty(),
          "a bad header gives no names");
  Require(names.fileProblem.empty(), "text has no file problem");
  return 0;
}
