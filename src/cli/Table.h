// A plain text table: a header row and columns padded to their widest cell.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace netvane::cli {

using TableRow = std::vector<std::string>;

// Text for the terminal. A network or profile name is whatever bytes the air or a file carried:
// control, bidi and separator characters would drive the terminal or forge a line, so they show
// escaped (`\x1B`, `\u202E`), and so does a backslash (text::EscapedText).
std::string Printable(std::string_view text);

void PrintTable(std::ostream& out, const TableRow& header, const std::vector<TableRow>& rows);

// "Label:  value" lines, the labels padded to the longest.
void PrintFields(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& fields);

}  // namespace netvane::cli
