#include "cli/Table.h"

#include <algorithm>

#include "text/SafeText.h"

namespace netvane::cli {

std::string Printable(std::string_view text) {
  return text::EscapedText(text);
}

void PrintTable(std::ostream& out, const TableRow& header, const std::vector<TableRow>& rows) {
  std::vector<std::size_t> widths(header.size(), 0);
  auto measure = [&](const TableRow& row) {
    for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
      widths[i] = std::max(widths[i], row[i].size());
    }
  };
  std::vector<TableRow> shown;
  for (const TableRow& row : rows) {
    TableRow cells;
    for (const std::string& cell : row) cells.push_back(Printable(cell));
    shown.push_back(std::move(cells));
  }
  measure(header);
  for (const TableRow& row : shown) measure(row);
  auto print = [&](const TableRow& row) {
    std::string line;
    for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - row[i].size() + 2, ' ');
    }
    out << line << '\n';
  };
  print(header);
  for (const TableRow& row : shown) print(row);
}

void PrintFields(std::ostream& out,
                 const std::vector<std::pair<std::string, std::string>>& fields) {
  std::size_t width = 0;
  for (const auto& [label, value] : fields) width = std::max(width, label.size());
  for (const auto& [label, value] : fields) {
    out << label << ':' << std::string(width - label.size() + 2, ' ') << Printable(value) << '\n';
  }
}

}  // namespace netvane::cli
