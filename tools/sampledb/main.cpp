// vo-sampledb: creates the unit database file and fills it with fictional units.
//   vo-sampledb [--db PATH] [--units N] [--seed S] [--replace]
// The file is made through the Access driver's CREATE_DB (the stand-in on
// Linux hosts makes an SQLite file), the table through ordinary DDL.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif
#include <odbcinst.h>

#include "records/connection.h"
#include "records/sql_text.h"
#include "tools/sampledb/sample_units.h"

namespace {

const char kDriver[] = "Microsoft Access Driver (*.mdb)";

// The driver wants a full path: a relative one has no directory to stand in.
std::string absolutePath(const std::string& path) {
#ifdef _WIN32
    char full[MAX_PATH];
    return _fullpath(full, path.c_str(), MAX_PATH) ? full : path;
#else
    if (!path.empty() && path[0] == '/') return path;
    char cwd[4096];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + path : path;
#endif
}

bool fileExists(const std::string& path) {
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fclose(f);
        return true;
    }
    return false;
}

bool createFile(const std::string& path) {
    std::string attrs = "CREATE_DB=\"" + path + "\" General";
    attrs.push_back('\0');
    attrs.push_back('\0');
    return SQLConfigDataSource(nullptr, ODBC_ADD_DSN, kDriver, attrs.c_str());
}

// Column types differ by database: an auto-number first for the Access
// engine's own dialect, else the SQLite form the stand-in understands.
bool createTable(records::Connection& db) {
    for (const char* idColumn : {records::kSqliteAutoNumber, records::kAccessAutoNumber})
        if (db.execute(records::createTableStatement(idColumn))) return true;
    return false;
}

int usage() {
    std::fprintf(stderr, "usage: vo-sampledb [--db PATH] [--units N] [--seed S] [--replace]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string path = "Database1.mdb";
    long units = 300;
    unsigned long seed = 20121;
    bool replace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--db" && hasValue) {
            path = argv[++i];
        } else if (a == "--units" && hasValue) {
            units = std::strtol(argv[++i], nullptr, 10);
        } else if (a == "--seed" && hasValue) {
            seed = std::strtoul(argv[++i], nullptr, 10);
        } else if (a == "--replace") {
            replace = true;
        } else {
            return usage();
        }
    }
    if (units < 0) return usage();
    path = absolutePath(path);
    if (fileExists(path)) {
        if (!replace) {
            std::fprintf(stderr, "vo-sampledb: %s exists; --replace makes it anew\n", path.c_str());
            return 1;
        }
        std::remove(path.c_str());
    }
    if (!createFile(path)) {
        std::fprintf(stderr, "vo-sampledb: the Access driver could not create %s\n", path.c_str());
        return 1;
    }
    records::Connection db;
    if (!db.open(path) || !createTable(db)) {
        std::fprintf(stderr, "vo-sampledb: could not make the table in %s\n", path.c_str());
        return 1;
    }
    sampledb::UnitMaker maker(static_cast<std::uint32_t>(seed));
    db.setAutoCommit(false);
    for (long i = 0; i < units; ++i) {
        if (!db.execute(records::insertStatement(maker.next()))) {
            std::fprintf(stderr, "vo-sampledb: insert %ld failed\n", i + 1);
            return 1;
        }
        if ((i + 1) % 5000 == 0) db.commit();
    }
    db.commit();
    db.setAutoCommit(true);
    std::printf("%s: %ld units\n", path.c_str(), units);
    return 0;
}
