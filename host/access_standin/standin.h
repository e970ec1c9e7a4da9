/* Internals shared by the parts of the stand-in driver. */
#ifndef ACCESS_STANDIN_STANDIN_H
#define ACCESS_STANDIN_STANDIN_H

#include <odbcinstext.h>

#include "odbc_api.h"

#define VO_EXPORT __attribute__((visibility("default")))

/* Prefix of every line the stand-in writes to stderr. */
#define VO_LOG_PREFIX "access-standin: "

/* The SQLite ODBC driver's entry points, one member per table row. */
struct vo_real_driver {
#define VO_REAL_MEMBER(ret, name, params, args) ret (*name) params;
    VO_ODBC_API(VO_REAL_MEMBER, VO_REAL_MEMBER)
#undef VO_REAL_MEMBER
};

/* The real driver, loaded on first use; NULL if it could not be loaded
 * (that has then been reported on stderr once). */
const struct vo_real_driver *vo_real(void);

/* Directory this library was loaded from, without a trailing slash. */
const char *vo_module_dir(void);

/* Name of the GBK LIKE extension, expected beside this library. */
#define VO_EXTENSION_FILE "libgbklike.so"

/*
 * Diagnostics the stand-in raises itself on a connection handle (the real
 * driver never heard of them).  They are reported ahead of the real driver's
 * own records by SQLError and SQLGetDiagRec.
 */
void vo_diag_set(SQLHDBC dbc, const char *sqlstate, const char *fmt, ...)
    __attribute__((format(printf, 3, 4)));
void vo_diag_clear(SQLHDBC dbc);

/*
 * Opens the real driver on DBC for the database DBQ names (DefaultDir for a
 * relative DBQ), and checks that the GBK LIKE extension is active.
 */
SQLRETURN vo_connect_database(const struct vo_real_driver *real, SQLHDBC dbc,
                              const char *dbq, const char *default_dir);

#endif
