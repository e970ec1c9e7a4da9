/*
 * Connecting: the program speaks of an Access file (DBQ=...), the real
 * driver wants a SQLite file (Database=...) plus the GBK LIKE extension.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include "connstr.h"
#include "dospath.h"
#include "standin.h"

/* SQLite's Unix file layer refuses longer path names, and the real driver
 * keeps its connection values in buffers of this size. */
#define VO_MAX_PATH (SQL_MAX_MESSAGE_LENGTH - 1)

/*
 * A GBK text whose bytes B5 A5 are a whole character and whose bytes C4 B5
 * straddle two.  SQLite's own LIKE gets the first wrong, a byte-wise one the
 * second; only the extension gets both right.
 */
static const char probe_sql[] =
    "SELECT '\xB5\xC4\xB5\xA5' LIKE '%\xB5\xA5%', '\xB5\xC4\xB5\xA5' LIKE '%\xC4\xB5%'";

static int gbk_like_active(const struct vo_real_driver *real, SQLHDBC dbc)
{
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLINTEGER inside = -1, across = -1;
    SQLLEN ind1 = 0, ind2 = 0;
    int ok = 0;

    if (!SQL_SUCCEEDED(real->SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt)))
        return 0;
    if (SQL_SUCCEEDED(real->SQLExecDirect(stmt, (SQLCHAR *)probe_sql, SQL_NTS)) &&
        SQL_SUCCEEDED(real->SQLFetch(stmt)) &&
        SQL_SUCCEEDED(real->SQLGetData(stmt, 1, SQL_C_SLONG, &inside, 0, &ind1)) &&
        SQL_SUCCEEDED(real->SQLGetData(stmt, 2, SQL_C_SLONG, &across, 0, &ind2)))
        ok = ind1 != SQL_NULL_DATA && ind2 != SQL_NULL_DATA && inside == 1 && across == 0;
    real->SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return ok;
}

/* The real driver's first message on DBC, or "" (it may explain a failed
 * extension load). */
static void real_dbc_message(const struct vo_real_driver *real, SQLHDBC dbc, char *buf,
                             SQLSMALLINT size)
{
    SQLCHAR state[6];
    SQLINTEGER native;
    SQLSMALLINT len;

    buf[0] = '\0';
    if (!SQL_SUCCEEDED(real->SQLGetDiagRec(SQL_HANDLE_DBC, dbc, 1, state, &native,
                                           (SQLCHAR *)buf, size, &len)))
        buf[0] = '\0';
}

SQLRETURN vo_connect_database(const struct vo_real_driver *real, SQLHDBC dbc, const char *dbq,
                              const char *default_dir)
{
    char why[SQL_MAX_MESSAGE_LENGTH];
    char extension[SQL_MAX_MESSAGE_LENGTH * 2];
    char *prefix = vo_wine_prefix();
    char *path = prefix ? vo_database_path(dbq, default_dir, prefix, why, sizeof why) : NULL;
    struct stat st;
    SQLRETURN ret;

    if (!prefix)
        snprintf(why, sizeof why, "out of memory");
    free(prefix);
    if (!path) {
        vo_diag_set(dbc, "08001", "cannot use DBQ=%s: %s", dbq ? dbq : "", why);
        return SQL_ERROR;
    }
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) {
        vo_diag_set(dbc, "08001", "database file not found: %s (%s)", path, dbq);
        free(path);
        return SQL_ERROR;
    }
    snprintf(extension, sizeof extension, "%s/%s", vo_module_dir(), VO_EXTENSION_FILE);
    /* The real driver splits its values at ';' and its extension list at ','. */
    if (strlen(path) > VO_MAX_PATH || strchr(path, ';')) {
        vo_diag_set(dbc, "08001", "the SQLite driver cannot open a path this long or with ';': %s",
                    path);
        free(path);
        return SQL_ERROR;
    }
    if (strlen(extension) > VO_MAX_PATH || strpbrk(extension, ";,")) {
        vo_diag_set(dbc, "08001", "the driver's directory cannot be passed to SQLite: %s",
                    extension);
        free(path);
        return SQL_ERROR;
    }

    char *target = malloc(strlen(path) + strlen(extension) + 64);
    if (!target) {
        free(path);
        vo_diag_set(dbc, "HY001", "out of memory");
        return SQL_ERROR;
    }
    /* NoCreat: a mistyped DBQ must fail instead of making an empty file. */
    sprintf(target, "Database=%s;NoCreat=1;LoadExt=%s", path, extension);
    ret = real->SQLDriverConnect(dbc, NULL, (SQLCHAR *)target, SQL_NTS, NULL, 0, NULL,
                                 SQL_DRIVER_NOPROMPT);
    free(target);
    if (!SQL_SUCCEEDED(ret)) {
        free(path);
        return ret;
    }

    /* Read before the probe, which may clear it. */
    char reason[SQL_MAX_MESSAGE_LENGTH];
    real_dbc_message(real, dbc, reason, sizeof reason);
    if (!gbk_like_active(real, dbc)) {
        /* Without the extension SQLite's LIKE quietly mismatches GBK text. */
        fprintf(stderr,
                VO_LOG_PREFIX "GBK LIKE extension is not active (%s)%s%s; refusing to open %s\n",
                extension, reason[0] ? ": " : "", reason, path);
        real->SQLDisconnect(dbc);
        vo_diag_set(dbc, "HY000", "GBK LIKE extension is not active (%s)%s%s", extension,
                    reason[0] ? ": " : "", reason);
        free(path);
        return SQL_ERROR;
    }
    free(path);
    return ret;
}

/* Looks KEY of data source DSN up in odbc.ini through unixODBC's installer
 * library, which the driver manager has loaded already. */
static char *dsn_value(const char *dsn, const char *key)
{
    typedef int (*get_profile_fn)(LPCSTR, LPCSTR, LPCSTR, LPSTR, int, LPCSTR);
    static const char *const libs[] = {"libodbcinst.so.2", "libodbcinst.so"};
    char buf[SQL_MAX_MESSAGE_LENGTH];
    get_profile_fn get = NULL;
    void *lib = NULL;

    for (size_t i = 0; i < sizeof libs / sizeof libs[0] && !lib; i++)
        lib = dlopen(libs[i], RTLD_NOW | RTLD_LOCAL);
    if (lib)
        get = (get_profile_fn)dlsym(lib, "SQLGetPrivateProfileString");
    buf[0] = '\0';
    if (get)
        get(dsn, key, "", buf, sizeof buf, "ODBC.INI");
    if (lib)
        dlclose(lib);
    return buf[0] ? strdup(buf) : NULL;
}

static char *copy_text(const SQLCHAR *text, SQLINTEGER len)
{
    size_t n = len == SQL_NTS ? strlen((const char *)text) : (size_t)len;
    char *out = malloc(n + 1);

    if (out) {
        memcpy(out, text, n);
        out[n] = '\0';
    }
    return out;
}

VO_EXPORT SQLRETURN SQLDriverConnect(SQLHDBC hdbc, SQLHWND hwnd, SQLCHAR *szConnStrIn,
                                     SQLSMALLINT cbConnStrIn, SQLCHAR *szConnStrOut,
                                     SQLSMALLINT cbConnStrOutMax, SQLSMALLINT *pcbConnStrOut,
                                     SQLUSMALLINT fDriverCompletion)
{
    const struct vo_real_driver *real = vo_real();
    SQLRETURN ret;

    /* No dialogs: a Linux driver has no window to show them in, so every
     * completion mode works from what the string says. */
    (void)hwnd;
    (void)fDriverCompletion;
    if (!real)
        return SQL_ERROR;
    vo_diag_clear(hdbc);
    if (!szConnStrIn || (cbConnStrIn < 0 && cbConnStrIn != SQL_NTS)) {
        vo_diag_set(hdbc, "HY090", "invalid connection string length");
        return SQL_ERROR;
    }
    char *text = copy_text(szConnStrIn, cbConnStrIn);
    if (!text) {
        vo_diag_set(hdbc, "HY001", "out of memory");
        return SQL_ERROR;
    }
    size_t len = strlen(text);
    char *dbq = vo_connstr_get(text, len, "DBQ");
    char *dir = vo_connstr_get(text, len, "DefaultDir");
    char *dsn = vo_connstr_get(text, len, "DSN");
    if (!dbq && dsn) {
        dbq = dsn_value(dsn, "DBQ");
        if (!dir)
            dir = dsn_value(dsn, "DefaultDir");
    }
    if (!dbq) {
        vo_diag_set(hdbc, "08001", "the connection string names no database file (DBQ=)");
        ret = SQL_ERROR;
    } else {
        ret = vo_connect_database(real, hdbc, dbq, dir);
    }

    if (SQL_SUCCEEDED(ret)) {
        /* Nothing was added to what the caller said, so that is the
         * completed connection string. */
        if (pcbConnStrOut)
            *pcbConnStrOut = (SQLSMALLINT)(len > 0x7fff ? 0x7fff : len);
        if (szConnStrOut && cbConnStrOutMax > 0) {
            size_t n = len < (size_t)cbConnStrOutMax ? len : (size_t)cbConnStrOutMax - 1;
            memcpy(szConnStrOut, text, n);
            szConnStrOut[n] = '\0';
            if (n < len) {
                vo_diag_set(hdbc, "01004", "connection string truncated to %d bytes",
                            (int)cbConnStrOutMax - 1);
                ret = SQL_SUCCESS_WITH_INFO;
            }
        }
    }
    free(dbq);
    free(dir);
    free(dsn);
    free(text);
    return ret;
}

VO_EXPORT SQLRETURN SQLConnect(SQLHDBC ConnectionHandle, SQLCHAR *ServerName,
                               SQLSMALLINT NameLength1, SQLCHAR *UserName,
                               SQLSMALLINT NameLength2, SQLCHAR *Authentication,
                               SQLSMALLINT NameLength3)
{
    const struct vo_real_driver *real = vo_real();
    SQLRETURN ret;

    /* An Access file without a workgroup has no users to check. */
    (void)UserName;
    (void)NameLength2;
    (void)Authentication;
    (void)NameLength3;
    if (!real)
        return SQL_ERROR;
    vo_diag_clear(ConnectionHandle);
    if (!ServerName || (NameLength1 < 0 && NameLength1 != SQL_NTS)) {
        vo_diag_set(ConnectionHandle, "HY090", "invalid data source name");
        return SQL_ERROR;
    }
    char *dsn = copy_text(ServerName, NameLength1);
    char *dbq = dsn ? dsn_value(dsn, "DBQ") : NULL;
    char *dir = dsn ? dsn_value(dsn, "DefaultDir") : NULL;
    if (!dbq) {
        vo_diag_set(ConnectionHandle, "IM002", "data source %s has no DBQ= entry",
                    dsn ? dsn : "");
        ret = SQL_ERROR;
    } else {
        ret = vo_connect_database(real, ConnectionHandle, dbq, dir);
    }
    free(dsn);
    free(dbq);
    free(dir);
    return ret;
}
