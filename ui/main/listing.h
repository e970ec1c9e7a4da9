// Reading units from a query into the record list's rows.
#pragma once

#include <functional>
#include <string>

#include "records/connection.h"
#include "ui/main/record_rows.h"

namespace ui {

struct ListingOutcome {
    int rowsRead = 0;
    bool stopped = false;  // `betweenRows` asked to stop
};

// Appends every unit the statement returns, in the database's order: the
// record number as the row's item value, field k + 1 in column k. A field
// that does not hold text is shown in its text form. `betweenRows` runs
// after every row; when it returns false the reading stops at once and the
// rows are left alone from then on.
ListingOutcome readUnits(records::Connection& db, const std::string& statement, RecordRows& rows,
                         const std::function<bool()>& betweenRows = {});

}  // namespace ui
