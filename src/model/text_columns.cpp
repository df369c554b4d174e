#include "model/text_columns.h"

namespace model {

void TextColumns::Write(long column, long row, std::string_view text) {
    CheckRow(row);
    Column& c = columns_[ColumnOf(column)];
    changes_.Count();
    if (row < c.cells.Rows()) {
        c.rewritten[row] = text;
        return;
    }
    // Rows not written before it read as empty text, as before.
    while (c.cells.Rows() < row) c.cells.Append({});
    c.cells.Append(text);
}

}  // namespace model
