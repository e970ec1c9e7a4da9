/*
 * Diagnostics of the stand-in's own making.
 *
 * When the stand-in refuses a connection the real driver has nothing to say
 * about it, yet the driver manager asks the driver (SQLError, else
 * SQLGetDiagRec) for the reason before it unloads it.  A record is kept here
 * per connection handle and handed out ahead of the real driver's records.
 */
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "standin.h"

#define VO_MESSAGE_PREFIX "[access-standin]"

struct own_record {
    SQLHDBC dbc;
    char sqlstate[6];
    char message[SQL_MAX_MESSAGE_LENGTH];
};

/* A handful of connections fail at once at most; the oldest gives way. */
#define VO_MAX_RECORDS 16
static struct own_record records[VO_MAX_RECORDS];
static unsigned next_slot;
static pthread_mutex_t records_lock = PTHREAD_MUTEX_INITIALIZER;

static struct own_record *find_locked(SQLHDBC dbc)
{
    for (unsigned i = 0; i < VO_MAX_RECORDS; i++)
        if (dbc && records[i].dbc == dbc)
            return &records[i];
    return NULL;
}

void vo_diag_set(SQLHDBC dbc, const char *sqlstate, const char *fmt, ...)
{
    va_list ap;
    struct own_record *rec;
    int used;

    pthread_mutex_lock(&records_lock);
    rec = find_locked(dbc);
    if (!rec)
        rec = &records[next_slot++ % VO_MAX_RECORDS];
    rec->dbc = dbc;
    snprintf(rec->sqlstate, sizeof rec->sqlstate, "%s", sqlstate);
    used = snprintf(rec->message, sizeof rec->message, "%s", VO_MESSAGE_PREFIX);
    va_start(ap, fmt);
    vsnprintf(rec->message + used, sizeof rec->message - used, fmt, ap);
    va_end(ap);
    pthread_mutex_unlock(&records_lock);
}

void vo_diag_clear(SQLHDBC dbc)
{
    pthread_mutex_lock(&records_lock);
    struct own_record *rec = find_locked(dbc);
    if (rec)
        rec->dbc = NULL;
    pthread_mutex_unlock(&records_lock);
}

/* Copies DBC's record into the caller's buffers; SQL_NO_DATA when there is none. */
static SQLRETURN report(SQLHDBC dbc, int remove, SQLCHAR *sqlstate, SQLINTEGER *native,
                        SQLCHAR *message, SQLSMALLINT buffer_length, SQLSMALLINT *text_length)
{
    SQLRETURN ret = SQL_SUCCESS;
    struct own_record rec;

    pthread_mutex_lock(&records_lock);
    struct own_record *found = find_locked(dbc);
    if (found) {
        rec = *found;
        if (remove)
            found->dbc = NULL;
    }
    pthread_mutex_unlock(&records_lock);
    if (!found)
        return SQL_NO_DATA;

    size_t len = strlen(rec.message);
    if (sqlstate)
        memcpy(sqlstate, rec.sqlstate, sizeof rec.sqlstate);
    if (native)
        *native = 0;
    if (text_length)
        *text_length = (SQLSMALLINT)len;
    if (message && buffer_length > 0) {
        size_t room = (size_t)buffer_length - 1;
        if (len > room) {
            len = room;
            ret = SQL_SUCCESS_WITH_INFO;
        }
        memcpy(message, rec.message, len);
        message[len] = '\0';
    } else if (message || buffer_length < 0) {
        ret = buffer_length < 0 ? SQL_ERROR : SQL_SUCCESS_WITH_INFO;
    }
    return ret;
}

/* SQLError hands each record out once, so the stand-in's goes first. */
VO_EXPORT SQLRETURN SQLError(SQLHENV EnvironmentHandle, SQLHDBC ConnectionHandle,
                             SQLHSTMT StatementHandle, SQLCHAR *Sqlstate, SQLINTEGER *NativeError,
                             SQLCHAR *MessageText, SQLSMALLINT BufferLength,
                             SQLSMALLINT *TextLength)
{
    const struct vo_real_driver *real = vo_real();

    if (!StatementHandle && ConnectionHandle) {
        SQLRETURN ret = report(ConnectionHandle, 1, Sqlstate, NativeError, MessageText,
                               BufferLength, TextLength);
        if (ret != SQL_NO_DATA)
            return ret;
    }
    if (!real)
        return SQL_ERROR;
    return real->SQLError(EnvironmentHandle, ConnectionHandle, StatementHandle, Sqlstate,
                          NativeError, MessageText, BufferLength, TextLength);
}

/* SQLGetDiagRec numbers records: the stand-in's is number 1, the real ones follow. */
VO_EXPORT SQLRETURN SQLGetDiagRec(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT RecNumber,
                                  SQLCHAR *Sqlstate, SQLINTEGER *NativeError,
                                  SQLCHAR *MessageText, SQLSMALLINT BufferLength,
                                  SQLSMALLINT *TextLength)
{
    const struct vo_real_driver *real = vo_real();

    if (HandleType == SQL_HANDLE_DBC && RecNumber >= 1) {
        if (RecNumber == 1) {
            SQLRETURN ret = report(Handle, 0, Sqlstate, NativeError, MessageText, BufferLength,
                                   TextLength);
            if (ret != SQL_NO_DATA)
                return ret;
        } else {
            SQLRETURN has_own = report(Handle, 0, NULL, NULL, NULL, 0, NULL);
            if (has_own != SQL_NO_DATA)
                RecNumber--;
        }
    }
    if (!real)
        return SQL_ERROR;
    return real->SQLGetDiagRec(HandleType, Handle, RecNumber, Sqlstate, NativeError, MessageText,
                               BufferLength, TextLength);
}

/* A freed handle's address can come back for a new connection: forget it. */
VO_EXPORT SQLRETURN SQLFreeHandle(SQLSMALLINT HandleType, SQLHANDLE Handle)
{
    const struct vo_real_driver *real = vo_real();

    if (HandleType == SQL_HANDLE_DBC)
        vo_diag_clear(Handle);
    return real ? real->SQLFreeHandle(HandleType, Handle) : SQL_ERROR;
}

VO_EXPORT SQLRETURN SQLFreeConnect(SQLHDBC ConnectionHandle)
{
    const struct vo_real_driver *real = vo_real();

    vo_diag_clear(ConnectionHandle);
    return real ? real->SQLFreeConnect(ConnectionHandle) : SQL_ERROR;
}
