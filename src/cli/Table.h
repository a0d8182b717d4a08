// A plain text table: a header row and columns padded to their widest cell.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace netvane::cli {

using TableRow = std::vector<std::string>;

// A network name is whatever bytes the air carried: control characters would drive the
// terminal, so they show as '?'.
std::string Printable(std::string text);

void PrintTable(std::ostream& out, const TableRow& header, const std::vector<TableRow>& rows);

// "Label:  value" lines, the labels padded to the longest.
void PrintFields(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& fields);

}  // namespace netvane::cli
