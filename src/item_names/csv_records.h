#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vestara {

// One record of a CSV text.
struct CsvRecord {
  int line = 1;  // the physical line the record starts on, counting from 1
  std::vector<std::string> fields;
  std::string error;  // why the record does not parse; its fields are then incomplete
};

// The records of `text` as RFC 4180 reads them: fields separated by commas, quoted fields
// holding commas, doubled quotes and line breaks, lines ended by CRLF or LF, the last one
// perhaps by the end of the text alone. A record that does not parse is skipped up to the
// end of the physical line where its fault lies, and reading goes on from the next one.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text);

}  // namespace vestara
