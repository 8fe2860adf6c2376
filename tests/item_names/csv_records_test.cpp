// Records as RFC 4180 reads them, each with the line it starts on, and how reading goes on
// after one that does not parse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "item_names/csv_records.h"

namespace vestara {

// A record that does not parse is known by its line and fault; its fields are whatever
// was read before the fault.
bool operator==(const CsvRecord& a, const CsvRecord& b) {
  return a.line == b.line && a.error == b.error && (!a.error.empty() || a.fields == b.fields);
}

void PrintTo(const CsvRecord& record, std::ostream* out) {
  *out << "line " << record.line << " [";
  for (const std::string& field : record.fields) *out << '<' << field << '>';
  *out << "] " << record.error;
}

namespace {

struct RecordCase {
  const char* what;
  std::string text;
  std::vector<CsvRecord> records;
};

TEST(CsvRecordsTest, ReadsFieldsAndTheLineEachRecordStartsOn) {
  const std::string quoteInside = "a quote inside an unquoted field";
  const std::string afterQuote = "text after a closing quote";
  const RecordCase cases[] = {
      {"nothing", "", {}},
      {"CRLF, LF and a last line without an end",
       "a,b\r\nc,d\ne,f",
       {{1, {"a", "b"}, ""}, {2, {"c", "d"}, ""}, {3, {"e", "f"}, ""}}},
      {"a final line end starts no record", "a\r\n", {{1, {"a"}, ""}}},
      {"empty lines and empty fields",
       "\n,\r\n,x,\n",
       {{1, {""}, ""}, {2, {"", ""}, ""}, {3, {"", "x", ""}, ""}}},
      {"quoted commas, doubled quotes and line breaks",
       "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n\"\",\"x\ny\nz\"\nlast",
       {{1, {"a,b", "say \"hi\"", "two\r\nlines"}, ""},
        {3, {"", "x\ny\nz"}, ""},
        {6, {"last"}, ""}}},
      {"a carriage return inside an unquoted field is text, at the very end a line end",
       "a\rb\r\nc\r",
       {{1, {"a\rb"}, ""}, {2, {"c"}, ""}}},
      {"a quote in an unquoted field skips its line",
       "a,b\"c,d\ne\n",
       {{1, {}, quoteInside}, {2, {"e"}, ""}}},
      {"text after a closing quote skips the rest of the line it is on",
       "\"a\nb\"c,d\ne\n",
       {{1, {}, afterQuote}, {3, {"e"}, ""}}},
      {"a quote never closed takes the rest of the text",
       "a\n\"b,c\nd\n",
       {{1, {"a"}, ""}, {2, {}, "a quoted field is not closed"}}},
  };
  for (const RecordCase& test : cases) {
    SCOPED_TRACE(test.what);
    EXPECT_EQ(ReadCsvRecords(test.text), test.records);
  }
}

}  // namespace
}  // namespace vestara
