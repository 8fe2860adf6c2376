#include "item_names/csv_records.h"

#include <cstddef>
#include <utility>

namespace vestara {
namespace {

class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  CsvRecord NextRecord() {
    CsvRecord record{line_, {}, {}};
    while (true) {
      std::string field;
      record.error = AtChar('"') ? ReadQuoted(field) : ReadUnquoted(field);
      record.fields.push_back(std::move(field));
      if (!record.error.empty()) {
        SkipLine();
        return record;
      }
      if (AtChar(',')) {
        ++pos_;
        continue;
      }
      if (!AtEnd()) SkipLine();  // at the line end, which the field reads stopped before
      return record;
    }
  }

 private:
  bool AtChar(char c) const { return !AtEnd() && text_[pos_] == c; }

  // True at a line end ("\n", "\r\n", or a "\r" that ends the text) or at the end of the
  // text.
  bool AtLineEnd() const {
    if (AtEnd() || text_[pos_] == '\n') return true;
    const std::string_view next = text_.substr(pos_, 2);
    return next == "\r\n" || next == "\r";
  }

  std::string ReadUnquoted(std::string& field) {
    while (!AtLineEnd() && !AtChar(',')) {
      if (AtChar('"')) return "a quote inside an unquoted field";
      field += text_[pos_++];
    }
    return {};
  }

  std::string ReadQuoted(std::string& field) {
    ++pos_;  // the opening quote
    while (true) {
      if (AtEnd()) return "a quoted field is not closed";
      const char c = text_[pos_++];
      if (c == '"') {
        if (!AtChar('"')) break;
        ++pos_;
      } else if (c == '\n') {
        ++line_;
      }
      field += c;
    }
    if (!AtLineEnd() && !AtChar(',')) return "text after a closing quote";
    return {};
  }

  // Moves past the next line feed, or to the end of the text.
  void SkipLine() {
    const std::size_t end = text_.find('\n', pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (end != std::string_view::npos) ++line_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view text) {
  std::vector<CsvRecord> records;
  CsvReader reader(text);
  while (!reader.AtEnd()) records.push_back(reader.NextRecord());
  return records;
}

}  // namespace vestara
