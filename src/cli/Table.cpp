#include "cli/Table.h"

#include <algorithm>

namespace netvane::cli {

void PrintTable(std::ostream& out, const TableRow& header, const std::vector<TableRow>& rows) {
  std::vector<std::size_t> widths(header.size(), 0);
  auto measure = [&](const TableRow& row) {
    for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
      widths[i] = std::max(widths[i], row[i].size());
    }
  };
  measure(header);
  for (const TableRow& row : rows) measure(row);
  auto print = [&](const TableRow& row) {
    std::string line;
    for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - row[i].size() + 2, ' ');
    }
    out << line << '\n';
  };
  print(header);
  for (const TableRow& row : rows) print(row);
}

void PrintFields(std::ostream& out,
                 const std::vector<std::pair<std::string, std::string>>& fields) {
  std::size_t width = 0;
  for (const auto& [label, value] : fields) width = std::max(width, label.size());
  for (const auto& [label, value] : fields) {
    out << label << ':' << std::string(width - label.size() + 2, ' ') << value << '\n';
  }
}

}  // namespace netvane::cli
