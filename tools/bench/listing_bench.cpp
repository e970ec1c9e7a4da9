// vo-bench-listing DB [--search KEYWORD] [--by-name]: times reading every
// unit (or a search's result) through the connection into the record list's
// rows, and reports the peak memory of the process. --by-name reads the 72
// fields of every row by name, as plain callers of the connection do;
// --print-statement prints the statement instead of running it.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include "records/connection.h"
#include "records/sql_text.h"
#include "ui/main/listing.h"

namespace {

double peakMegabytes() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return static_cast<double>(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vo-bench-listing DB [--search KEYWORD]\n");
        return 2;
    }
    std::string statement = records::listingStatement();
    bool byName = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--search") == 0 && i + 1 < argc) statement = records::searchStatement(argv[++i]);
        if (std::strcmp(argv[i], "--by-name") == 0) byName = true;
        if (std::strcmp(argv[i], "--print-statement") == 0) {
            std::fwrite(statement.data(), 1, statement.size(), stdout);  // for the sqlite3 command line
            return 0;
        }
    }
    records::Connection db;
    if (!db.open(argv[1])) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    const double before = peakMegabytes();
    ui::RecordRows rows;
    const auto t0 = std::chrono::steady_clock::now();
    int read = 0;
    if (byName) {
        const auto h = db.query(statement);
        std::size_t bytes = 0;
        for (db.moveFirst(h); !db.atEnd(h); db.moveNext(h), ++read) {
            bytes += static_cast<std::size_t>(records::recordNumber(db.readField(h, records::kIdColumn)) & 1);
            for (const auto& f : records::kFields) bytes += records::textForm(db.readField(h, f.name)).size();
        }
        db.closeResult(h);
        std::printf("bytes %zu\n", bytes);
    } else {
        read = ui::readUnits(db, statement, rows).rowsRead;
    }
    const auto t1 = std::chrono::steady_clock::now();
    std::printf("rows %d seconds %.3f peak_mb %.1f (%.1f before reading)\n", read,
                std::chrono::duration<double>(t1 - t0).count(), peakMegabytes(), before);
    return 0;
}
