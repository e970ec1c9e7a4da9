/*
 * The driver's setup entry points, called by the installer library
 * (SQLConfigDataSource, SQLConfigDriver) through the Setup= library.
 *
 * The one request that matters is the Access driver's way to make a new
 * database file: ODBC_ADD_DSN with the attribute CREATE_DB=<path> <sort order>.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <unistd.h>

#include "connstr.h"
#include "dospath.h"
#include "standin.h"

/* unixODBC's public headers leave these to the Windows headers. */
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

/* Tells the caller of SQLConfigDataSource why, via SQLInstallerError, and
 * stderr, since installer errors are easily lost. */
static void setup_error(DWORD code, const char *fmt, ...) __attribute__((format(printf, 2, 3)));

static void setup_error(DWORD code, const char *fmt, ...)
{
    typedef RETCODE (*post_fn)(DWORD, LPCSTR);
    char msg[SQL_MAX_MESSAGE_LENGTH];
    va_list ap;

    va_start(ap, fmt);
    vsnprintf(msg, sizeof msg, fmt, ap);
    va_end(ap);
    fprintf(stderr, VO_LOG_PREFIX "%s\n", msg);

    /* Our caller is the installer library, so it is loaded already. */
    void *lib = dlopen("libodbcinst.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!lib)
        return;
    post_fn post = (post_fn)dlsym(lib, "SQLPostInstallerError");
    if (post)
        post(code, msg);
    dlclose(lib);
}

/* The value of KEY in a list of KEY=VALUE strings ended by an empty one. */
static const char *attribute(LPCSTR attributes, const char *key)
{
    for (const char *a = attributes; a && *a; a += strlen(a) + 1) {
        const char *eq = strchr(a, '=');
        if (!eq)
            continue;
        const char *k = a;
        while (k < eq && (*k == ' ' || *k == '\t'))
            k++;
        size_t n = (size_t)(eq - k);
        while (n && (k[n - 1] == ' ' || k[n - 1] == '\t'))
            n--;
        if (n == strlen(key) && strncasecmp(k, key, n) == 0)
            return eq + 1;
    }
    return NULL;
}

/* Gives the new, empty file a database header through the real driver, so
 * that it is a SQLite database from the start. */
static int write_header(const struct vo_real_driver *real, const char *path)
{
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    char conn[SQL_MAX_MESSAGE_LENGTH + 32];
    int ok = 0;

    snprintf(conn, sizeof conn, "Database=%s;NoCreat=1", path);
    if (!SQL_SUCCEEDED(real->SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return 0;
    real->SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
    if (SQL_SUCCEEDED(real->SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
        if (SQL_SUCCEEDED(real->SQLDriverConnect(dbc, NULL, (SQLCHAR *)conn, SQL_NTS, NULL, 0,
                                                 NULL, SQL_DRIVER_NOPROMPT))) {
            if (SQL_SUCCEEDED(real->SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt))) {
                ok = SQL_SUCCEEDED(
                    real->SQLExecDirect(stmt, (SQLCHAR *)"PRAGMA user_version = 0", SQL_NTS));
                real->SQLFreeHandle(SQL_HANDLE_STMT, stmt);
            }
            real->SQLDisconnect(dbc);
        }
        real->SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    }
    real->SQLFreeHandle(SQL_HANDLE_ENV, env);
    return ok;
}

static BOOL create_database(const char *value)
{
    const struct vo_real_driver *real = vo_real();
    char why[SQL_MAX_MESSAGE_LENGTH];
    char *named = vo_create_db_path(value);
    char *prefix = vo_wine_prefix();
    char *path = NULL;
    BOOL ok = FALSE;

    if (!real) {
        setup_error(ODBC_ERROR_LOAD_LIB_FAILED, "the SQLite ODBC driver is not available");
    } else if (!named) {
        setup_error(ODBC_ERROR_INVALID_KEYWORD_VALUE, "CREATE_DB names no file");
    } else if (!prefix) {
        setup_error(ODBC_ERROR_OUT_OF_MEM, "out of memory");
    } else if (!(path = vo_database_path(named, NULL, prefix, why, sizeof why))) {
        setup_error(ODBC_ERROR_INVALID_PATH, "CREATE_DB=%s: %s", named, why);
    } else if (strlen(path) > SQL_MAX_MESSAGE_LENGTH - 1) {
        setup_error(ODBC_ERROR_INVALID_PATH, "CREATE_DB=%s: the path is too long for SQLite",
                    named);
    } else {
        /* O_EXCL: an existing database is never overwritten, not even by a
         * race with another creator. */
        int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            setup_error(errno == EEXIST ? ODBC_ERROR_CREATE_DSN_FAILED : ODBC_ERROR_INVALID_PATH,
                        "cannot create %s: %s", path,
                        errno == EEXIST ? "the file already exists" : strerror(errno));
        } else {
            close(fd);
            ok = write_header(real, path) ? TRUE : FALSE;
            if (!ok) {
                unlink(path);
                setup_error(ODBC_ERROR_CREATE_DSN_FAILED, "cannot initialise %s as a database",
                            path);
            }
        }
    }
    free(path);
    free(prefix);
    free(named);
    return ok;
}

VO_EXPORT BOOL INSTAPI ConfigDSN(HWND hwndParent, WORD fRequest, LPCSTR lpszDriver,
                                 LPCSTR lpszAttributes)
{
    const char *create_db = attribute(lpszAttributes, "CREATE_DB");

    (void)hwndParent;
    (void)lpszDriver;
    if (!create_db) {
        /* Data sources are kept in odbc.ini by hand on this system. */
        setup_error(ODBC_ERROR_REQUEST_FAILED,
                    "only CREATE_DB= is supported by this driver's setup");
        return FALSE;
    }
    if (fRequest != ODBC_ADD_DSN && fRequest != ODBC_CONFIG_DSN && fRequest != ODBC_ADD_SYS_DSN &&
        fRequest != ODBC_CONFIG_SYS_DSN) {
        setup_error(ODBC_ERROR_INVALID_REQUEST_TYPE,
                    "CREATE_DB= needs an add or configure request");
        return FALSE;
    }
    return create_database(create_db);
}

/* Installing or removing the driver needs nothing done by the driver. */
VO_EXPORT BOOL INSTAPI ConfigDriver(HWND hwndParent, WORD fRequest, LPCSTR lpszDriver,
                                    LPCSTR lpszArgs, LPSTR lpszMsg, WORD cbMsgMax,
                                    WORD *pcbMsgOut)
{
    (void)hwndParent;
    (void)fRequest;
    (void)lpszDriver;
    (void)lpszArgs;
    if (lpszMsg && cbMsgMax > 0)
        lpszMsg[0] = '\0';
    if (pcbMsgOut)
        *pcbMsgOut = 0;
    return TRUE;
}
