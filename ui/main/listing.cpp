#include "ui/main/listing.h"

#include <array>

namespace ui {

ListingOutcome readUnits(records::Connection& db, const std::string& statement, RecordRows& rows,
                         const std::function<bool()>& betweenRows) {
    ListingOutcome out;
    const auto h = db.query(statement);
    db.moveFirst(h);
    // Names are looked up once per result, not once per field read.
    const int idColumn = db.columnIndex(h, records::kIdColumn);
    std::array<int, records::kFieldCount> columns;
    for (std::size_t k = 0; k < columns.size(); ++k) columns[k] = db.columnIndex(h, records::kFields[k].name);
    while (!db.atEnd(h)) {
        RecordRows::Builder row(rows, records::recordNumber(db.readField(h, idColumn)));
        for (int column : columns) {
            db.appendText(h, column, row.cellBuffer());
            row.next();
        }
        row.finish();
        ++out.rowsRead;
        db.moveNext(h);
        if (betweenRows && !betweenRows()) {
            out.stopped = true;
            break;
        }
    }
    db.closeResult(h);
    return out;
}

}  // namespace ui
