/* Reading ODBC connection strings and installer attribute lists. */
#ifndef ACCESS_STANDIN_CONNSTR_H
#define ACCESS_STANDIN_CONNSTR_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/*
 * The value of KEY in the connection string TEXT of LEN bytes, as a new
 * string for free(), or NULL when KEY is absent (or memory ran out).
 * Pairs are KEY=VALUE separated by ';'; keys compare without case and
 * without surrounding blanks; a value in braces may hold ';' ("}}" stands
 * for '}'); tokens without '=' (such as a leading "ODBC;") are skipped.
 * The first pair with KEY wins.
 */
char *vo_connstr_get(const char *text, size_t len, const char *key);

/*
 * The path of a "CREATE_DB=<path> <sort order>" attribute value, without
 * its optional double quotes, as a new string for free(); NULL if empty.
 */
char *vo_create_db_path(const char *value);

#ifdef __cplusplus
}
#endif

#endif
