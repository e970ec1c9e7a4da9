/*
 * Access reports the auto-number just inserted through "select @@IDENTITY";
 * SQLite cannot parse that, but last_insert_rowid() is the same number for
 * the same connection.  No other statement is touched.
 */
#include <string.h>
#include <strings.h>

#include "standin.h"

static const char identity_query[] = "select @@identity";
static const char sqlite_identity_query[] = "select last_insert_rowid()";

static int is_blank(SQLCHAR c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

static int is_identity_query(const SQLCHAR *text, SQLINTEGER len)
{
    size_t n;

    if (!text || (len < 0 && len != SQL_NTS))
        return 0;
    n = len == SQL_NTS ? strlen((const char *)text) : (size_t)len;
    while (n && is_blank(*text)) {
        text++;
        n--;
    }
    while (n && is_blank(text[n - 1]))
        n--;
    return n == sizeof identity_query - 1 &&
           strncasecmp((const char *)text, identity_query, n) == 0;
}

VO_EXPORT SQLRETURN SQLExecDirect(SQLHSTMT StatementHandle, SQLCHAR *StatementText,
                                  SQLINTEGER TextLength)
{
    const struct vo_real_driver *real = vo_real();

    if (!real)
        return SQL_ERROR;
    if (is_identity_query(StatementText, TextLength))
        return real->SQLExecDirect(StatementHandle, (SQLCHAR *)sqlite_identity_query, SQL_NTS);
    return real->SQLExecDirect(StatementHandle, StatementText, TextLength);
}

VO_EXPORT SQLRETURN SQLPrepare(SQLHSTMT StatementHandle, SQLCHAR *StatementText,
                               SQLINTEGER TextLength)
{
    const struct vo_real_driver *real = vo_real();

    if (!real)
        return SQL_ERROR;
    if (is_identity_query(StatementText, TextLength))
        return real->SQLPrepare(StatementHandle, (SQLCHAR *)sqlite_identity_query, SQL_NTS);
    return real->SQLPrepare(StatementHandle, StatementText, TextLength);
}
