/*
 * Every entry point the SQLite ODBC driver exports, as data.
 *
 * The driver manager decides which functions a driver supports by looking
 * them up in the library, so the stand-in must export exactly this set.
 * Prototypes are those of <sql.h>/<sqlext.h>; defining the functions with
 * those headers in scope lets the compiler check every row.
 *
 * Each row is FWD(...) for a function passed through unchanged, or OWN(...)
 * for one the stand-in defines itself (it still gets a pointer to the real
 * one).  Columns: return type, name, parameter list, argument list.
 */
#ifndef ACCESS_STANDIN_ODBC_API_H
#define ACCESS_STANDIN_ODBC_API_H

#include <odbcinstext.h>
#include <sql.h>
#include <sqlext.h>

#define VO_ODBC_API(FWD, OWN)                                                                 \
    FWD(SQLRETURN, SQLAllocConnect,                                                          \
        (SQLHENV EnvironmentHandle, SQLHDBC *ConnectionHandle),                              \
        (EnvironmentHandle, ConnectionHandle))                                               \
    FWD(SQLRETURN, SQLAllocEnv,                                                              \
        (SQLHENV *EnvironmentHandle),                                                        \
        (EnvironmentHandle))                                                                 \
    FWD(SQLRETURN, SQLAllocHandle,                                                           \
        (SQLSMALLINT HandleType, SQLHANDLE InputHandle, SQLHANDLE *OutputHandle),            \
        (HandleType, InputHandle, OutputHandle))                                             \
    FWD(SQLRETURN, SQLAllocStmt,                                                             \
        (SQLHDBC ConnectionHandle, SQLHSTMT *StatementHandle),                               \
        (ConnectionHandle, StatementHandle))                                                 \
    FWD(SQLRETURN, SQLBindCol,                                                               \
        (SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLSMALLINT TargetType,        \
        SQLPOINTER TargetValue, SQLLEN BufferLength, SQLLEN *StrLen_or_Ind),                 \
        (StatementHandle, ColumnNumber, TargetType, TargetValue, BufferLength,               \
        StrLen_or_Ind))                                                                      \
    FWD(SQLRETURN, SQLBindParam,                                                             \
        (SQLHSTMT StatementHandle, SQLUSMALLINT ParameterNumber, SQLSMALLINT ValueType,      \
        SQLSMALLINT ParameterType, SQLULEN LengthPrecision, SQLSMALLINT ParameterScale,      \
        SQLPOINTER ParameterValue, SQLLEN *StrLen_or_Ind),                                   \
        (StatementHandle, ParameterNumber, ValueType, ParameterType, LengthPrecision,        \
        ParameterScale, ParameterValue, StrLen_or_Ind))                                      \
    FWD(SQLRETURN, SQLBindParameter,                                                         \
        (SQLHSTMT hstmt, SQLUSMALLINT ipar, SQLSMALLINT fParamType, SQLSMALLINT fCType,      \
        SQLSMALLINT fSqlType, SQLULEN cbColDef, SQLSMALLINT ibScale, SQLPOINTER rgbValue,    \
        SQLLEN cbValueMax, SQLLEN *pcbValue),                                                \
        (hstmt, ipar, fParamType, fCType, fSqlType, cbColDef, ibScale, rgbValue, cbValueMax, \
        pcbValue))                                                                           \
    FWD(SQLRETURN, SQLBrowseConnect,                                                         \
        (SQLHDBC hdbc, SQLCHAR *szConnStrIn, SQLSMALLINT cbConnStrIn, SQLCHAR *szConnStrOut, \
        SQLSMALLINT cbConnStrOutMax, SQLSMALLINT *pcbConnStrOut),                            \
        (hdbc, szConnStrIn, cbConnStrIn, szConnStrOut, cbConnStrOutMax, pcbConnStrOut))      \
    FWD(SQLRETURN, SQLBulkOperations,                                                        \
        (SQLHSTMT StatementHandle, SQLSMALLINT Operation),                                   \
        (StatementHandle, Operation))                                                        \
    FWD(SQLRETURN, SQLCancel,                                                                \
        (SQLHSTMT StatementHandle),                                                          \
        (StatementHandle))                                                                   \
    FWD(SQLRETURN, SQLCloseCursor,                                                           \
        (SQLHSTMT StatementHandle),                                                          \
        (StatementHandle))                                                                   \
    FWD(SQLRETURN, SQLColAttribute,                                                          \
        (SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLUSMALLINT FieldIdentifier,  \
        SQLPOINTER CharacterAttribute, SQLSMALLINT BufferLength, SQLSMALLINT *StringLength,  \
        SQLLEN *NumericAttribute),                                                           \
        (StatementHandle, ColumnNumber, FieldIdentifier, CharacterAttribute, BufferLength,   \
        StringLength, NumericAttribute))                                                     \
    FWD(SQLRETURN, SQLColAttributes,                                                         \
        (SQLHSTMT hstmt, SQLUSMALLINT icol, SQLUSMALLINT fDescType, SQLPOINTER rgbDesc,      \
        SQLSMALLINT cbDescMax, SQLSMALLINT *pcbDesc, SQLLEN *pfDesc),                        \
        (hstmt, icol, fDescType, rgbDesc, cbDescMax, pcbDesc, pfDesc))                       \
    FWD(SQLRETURN, SQLColumnPrivileges,                                                      \
        (SQLHSTMT hstmt, SQLCHAR *szCatalogName, SQLSMALLINT cbCatalogName, SQLCHAR          \
        *szSchemaName, SQLSMALLINT cbSchemaName, SQLCHAR *szTableName, SQLSMALLINT           \
        cbTableName, SQLCHAR *szColumnName, SQLSMALLINT cbColumnName),                       \
        (hstmt, szCatalogName, cbCatalogName, szSchemaName, cbSchemaName, szTableName,       \
        cbTableName, szColumnName, cbColumnName))                                            \
    FWD(SQLRETURN, SQLColumns,                                                               \
        (SQLHSTMT StatementHandle, SQLCHAR *CatalogName, SQLSMALLINT NameLength1, SQLCHAR    \
        *SchemaName, SQLSMALLINT NameLength2, SQLCHAR *TableName, SQLSMALLINT NameLength3,   \
        SQLCHAR *ColumnName, SQLSMALLINT NameLength4),                                       \
        (StatementHandle, CatalogName, NameLength1, SchemaName, NameLength2, TableName,      \
        NameLength3, ColumnName, NameLength4))                                               \
    OWN(SQLRETURN, SQLConnect,                                                               \
        (SQLHDBC ConnectionHandle, SQLCHAR *ServerName, SQLSMALLINT NameLength1, SQLCHAR     \
        *UserName, SQLSMALLINT NameLength2, SQLCHAR *Authentication, SQLSMALLINT             \
        NameLength3),                                                                        \
        (ConnectionHandle, ServerName, NameLength1, UserName, NameLength2, Authentication,   \
        NameLength3))                                                                        \
    FWD(SQLRETURN, SQLCopyDesc,                                                              \
        (SQLHDESC SourceDescHandle, SQLHDESC TargetDescHandle),                              \
        (SourceDescHandle, TargetDescHandle))                                                \
    FWD(SQLRETURN, SQLDataSources,                                                           \
        (SQLHENV EnvironmentHandle, SQLUSMALLINT Direction, SQLCHAR *ServerName, SQLSMALLINT \
        BufferLength1, SQLSMALLINT *NameLength1, SQLCHAR *Description, SQLSMALLINT           \
        BufferLength2, SQLSMALLINT *NameLength2),                                            \
        (EnvironmentHandle, Direction, ServerName, BufferLength1, NameLength1, Description,  \
        BufferLength2, NameLength2))                                                         \
    FWD(SQLRETURN, SQLDescribeCol,                                                           \
        (SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLCHAR *ColumnName,           \
        SQLSMALLINT BufferLength, SQLSMALLINT *NameLength, SQLSMALLINT *DataType, SQLULEN    \
        *ColumnSize, SQLSMALLINT *DecimalDigits, SQLSMALLINT *Nullable),                     \
        (StatementHandle, ColumnNumber, ColumnName, BufferLength, NameLength, DataType,      \
        ColumnSize, DecimalDigits, Nullable))                                                \
    FWD(SQLRETURN, SQLDescribeParam,                                                         \
        (SQLHSTMT hstmt, SQLUSMALLINT ipar, SQLSMALLINT *pfSqlType, SQLULEN *pcbParamDef,    \
        SQLSMALLINT *pibScale, SQLSMALLINT *pfNullable),                                     \
        (hstmt, ipar, pfSqlType, pcbParamDef, pibScale, pfNullable))                         \
    FWD(SQLRETURN, SQLDisconnect,                                                            \
        (SQLHDBC ConnectionHandle),                                                          \
        (ConnectionHandle))                                                                  \
    OWN(SQLRETURN, SQLDriverConnect,                                                         \
        (SQLHDBC hdbc, SQLHWND hwnd, SQLCHAR *szConnStrIn, SQLSMALLINT cbConnStrIn, SQLCHAR  \
        *szConnStrOut, SQLSMALLINT cbConnStrOutMax, SQLSMALLINT *pcbConnStrOut, SQLUSMALLINT \
        fDriverCompletion),                                                                  \
        (hdbc, hwnd, szConnStrIn, cbConnStrIn, szConnStrOut, cbConnStrOutMax, pcbConnStrOut, \
        fDriverCompletion))                                                                  \
    FWD(SQLRETURN, SQLDrivers,                                                               \
        (SQLHENV henv, SQLUSMALLINT fDirection, SQLCHAR *szDriverDesc, SQLSMALLINT           \
        cbDriverDescMax, SQLSMALLINT *pcbDriverDesc, SQLCHAR *szDriverAttributes,            \
        SQLSMALLINT cbDrvrAttrMax, SQLSMALLINT *pcbDrvrAttr),                                \
        (henv, fDirection, szDriverDesc, cbDriverDescMax, pcbDriverDesc, szDriverAttributes, \
        cbDrvrAttrMax, pcbDrvrAttr))                                                         \
    FWD(SQLRETURN, SQLEndTran,                                                               \
        (SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT CompletionType),              \
        (HandleType, Handle, CompletionType))                                                \
    OWN(SQLRETURN, SQLError,                                                                 \
        (SQLHENV EnvironmentHandle, SQLHDBC ConnectionHandle, SQLHSTMT StatementHandle,      \
        SQLCHAR *Sqlstate, SQLINTEGER *NativeError, SQLCHAR *MessageText, SQLSMALLINT        \
        BufferLength, SQLSMALLINT *TextLength),                                              \
        (EnvironmentHandle, ConnectionHandle, StatementHandle, Sqlstate, NativeError,        \
        MessageText, BufferLength, TextLength))                                              \
    OWN(SQLRETURN, SQLExecDirect,                                                            \
        (SQLHSTMT StatementHandle, SQLCHAR *StatementText, SQLINTEGER TextLength),           \
        (StatementHandle, StatementText, TextLength))                                        \
    FWD(SQLRETURN, SQLExecute,                                                               \
        (SQLHSTMT StatementHandle),                                                          \
        (StatementHandle))                                                                   \
    FWD(SQLRETURN, SQLExtendedFetch,                                                         \
        (SQLHSTMT hstmt, SQLUSMALLINT fFetchType, SQLLEN irow, SQLULEN *pcrow, SQLUSMALLINT  \
        *rgfRowStatus),                                                                      \
        (hstmt, fFetchType, irow, pcrow, rgfRowStatus))                                      \
    FWD(SQLRETURN, SQLFetch,                                                                 \
        (SQLHSTMT StatementHandle),                                                          \
        (StatementHandle))                                                                   \
    FWD(SQLRETURN, SQLFetchScroll,                                                           \
        (SQLHSTMT StatementHandle, SQLSMALLINT FetchOrientation, SQLLEN FetchOffset),        \
        (StatementHandle, FetchOrientation, FetchOffset))                                    \
    FWD(SQLRETURN, SQLForeignKeys,                                                           \
        (SQLHSTMT hstmt, SQLCHAR *szPkCatalogName, SQLSMALLINT cbPkCatalogName, SQLCHAR      \
        *szPkSchemaName, SQLSMALLINT cbPkSchemaName, SQLCHAR *szPkTableName, SQLSMALLINT     \
        cbPkTableName, SQLCHAR *szFkCatalogName, SQLSMALLINT cbFkCatalogName, SQLCHAR        \
        *szFkSchemaName, SQLSMALLINT cbFkSchemaName, SQLCHAR *szFkTableName, SQLSMALLINT     \
        cbFkTableName),                                                                      \
        (hstmt, szPkCatalogName, cbPkCatalogName, szPkSchemaName, cbPkSchemaName,            \
        szPkTableName, cbPkTableName, szFkCatalogName, cbFkCatalogName, szFkSchemaName,      \
        cbFkSchemaName, szFkTableName, cbFkTableName))                                       \
    OWN(SQLRETURN, SQLFreeConnect,                                                           \
        (SQLHDBC ConnectionHandle),                                                          \
        (ConnectionHandle))                                                                  \
    FWD(SQLRETURN, SQLFreeEnv,                                                               \
        (SQLHENV EnvironmentHandle),                                                         \
        (EnvironmentHandle))                                                                 \
    OWN(SQLRETURN, SQLFreeHandle,                                                            \
        (SQLSMALLINT HandleType, SQLHANDLE Handle),                                          \
        (HandleType, Handle))                                                                \
    FWD(SQLRETURN, SQLFreeStmt,                                                              \
        (SQLHSTMT StatementHandle, SQLUSMALLINT Option),                                     \
        (StatementHandle, Option))                                                           \
    FWD(SQLRETURN, SQLGetConnectAttr,                                                        \
        (SQLHDBC ConnectionHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER        \
        BufferLength, SQLINTEGER *StringLength),                                             \
        (ConnectionHandle, Attribute, Value, BufferLength, StringLength))                    \
    FWD(SQLRETURN, SQLGetConnectOption,                                                      \
        (SQLHDBC ConnectionHandle, SQLUSMALLINT Option, SQLPOINTER Value),                   \
        (ConnectionHandle, Option, Value))                                                   \
    FWD(SQLRETURN, SQLGetCursorName,                                                         \
        (SQLHSTMT StatementHandle, SQLCHAR *CursorName, SQLSMALLINT BufferLength,            \
        SQLSMALLINT *NameLength),                                                            \
        (StatementHandle, CursorName, BufferLength, NameLength))                             \
    FWD(SQLRETURN, SQLGetData,                                                               \
        (SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber, SQLSMALLINT TargetType,        \
        SQLPOINTER TargetValue, SQLLEN BufferLength, SQLLEN *StrLen_or_Ind),                 \
        (StatementHandle, ColumnNumber, TargetType, TargetValue, BufferLength,               \
        StrLen_or_Ind))                                                                      \
    FWD(SQLRETURN, SQLGetDescField,                                                          \
        (SQLHDESC DescriptorHandle, SQLSMALLINT RecNumber, SQLSMALLINT FieldIdentifier,      \
        SQLPOINTER Value, SQLINTEGER BufferLength, SQLINTEGER *StringLength),                \
        (DescriptorHandle, RecNumber, FieldIdentifier, Value, BufferLength, StringLength))   \
    FWD(SQLRETURN, SQLGetDescRec,                                                            \
        (SQLHDESC DescriptorHandle, SQLSMALLINT RecNumber, SQLCHAR *Name, SQLSMALLINT        \
        BufferLength, SQLSMALLINT *StringLength, SQLSMALLINT *Type, SQLSMALLINT *SubType,    \
        SQLLEN *Length, SQLSMALLINT *Precision, SQLSMALLINT *Scale, SQLSMALLINT *Nullable),  \
        (DescriptorHandle, RecNumber, Name, BufferLength, StringLength, Type, SubType,       \
        Length, Precision, Scale, Nullable))                                                 \
    FWD(SQLRETURN, SQLGetDiagField,                                                          \
        (SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT RecNumber, SQLSMALLINT        \
        DiagIdentifier, SQLPOINTER DiagInfo, SQLSMALLINT BufferLength, SQLSMALLINT           \
        *StringLength),                                                                      \
        (HandleType, Handle, RecNumber, DiagIdentifier, DiagInfo, BufferLength,              \
        StringLength))                                                                       \
    OWN(SQLRETURN, SQLGetDiagRec,                                                            \
        (SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT RecNumber, SQLCHAR *Sqlstate, \
        SQLINTEGER *NativeError, SQLCHAR *MessageText, SQLSMALLINT BufferLength, SQLSMALLINT \
        *TextLength),                                                                        \
        (HandleType, Handle, RecNumber, Sqlstate, NativeError, MessageText, BufferLength,    \
        TextLength))                                                                         \
    FWD(SQLRETURN, SQLGetEnvAttr,                                                            \
        (SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER       \
        BufferLength, SQLINTEGER *StringLength),                                             \
        (EnvironmentHandle, Attribute, Value, BufferLength, StringLength))                   \
    FWD(SQLRETURN, SQLGetFunctions,                                                          \
        (SQLHDBC ConnectionHandle, SQLUSMALLINT FunctionId, SQLUSMALLINT *Supported),        \
        (ConnectionHandle, FunctionId, Supported))                                           \
    FWD(SQLRETURN, SQLGetInfo,                                                               \
        (SQLHDBC ConnectionHandle, SQLUSMALLINT InfoType, SQLPOINTER InfoValue, SQLSMALLINT  \
        BufferLength, SQLSMALLINT *StringLength),                                            \
        (ConnectionHandle, InfoType, InfoValue, BufferLength, StringLength))                 \
    FWD(SQLRETURN, SQLGetStmtAttr,                                                           \
        (SQLHSTMT StatementHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER        \
        BufferLength, SQLINTEGER *StringLength),                                             \
        (StatementHandle, Attribute, Value, BufferLength, StringLength))                     \
    FWD(SQLRETURN, SQLGetStmtOption,                                                         \
        (SQLHSTMT StatementHandle, SQLUSMALLINT Option, SQLPOINTER Value),                   \
        (StatementHandle, Option, Value))                                                    \
    FWD(SQLRETURN, SQLGetTypeInfo,                                                           \
        (SQLHSTMT StatementHandle, SQLSMALLINT DataType),                                    \
        (StatementHandle, DataType))                                                         \
    FWD(SQLRETURN, SQLMoreResults,                                                           \
        (SQLHSTMT hstmt),                                                                    \
        (hstmt))                                                                             \
    FWD(SQLRETURN, SQLNativeSql,                                                             \
        (SQLHDBC hdbc, SQLCHAR *szSqlStrIn, SQLINTEGER cbSqlStrIn, SQLCHAR *szSqlStr,        \
        SQLINTEGER cbSqlStrMax, SQLINTEGER *pcbSqlStr),                                      \
        (hdbc, szSqlStrIn, cbSqlStrIn, szSqlStr, cbSqlStrMax, pcbSqlStr))                    \
    FWD(SQLRETURN, SQLNumParams,                                                             \
        (SQLHSTMT hstmt, SQLSMALLINT *pcpar),                                                \
        (hstmt, pcpar))                                                                      \
    FWD(SQLRETURN, SQLNumResultCols,                                                         \
        (SQLHSTMT StatementHandle, SQLSMALLINT *ColumnCount),                                \
        (StatementHandle, ColumnCount))                                                      \
    FWD(SQLRETURN, SQLParamData,                                                             \
        (SQLHSTMT StatementHandle, SQLPOINTER *Value),                                       \
        (StatementHandle, Value))                                                            \
    FWD(SQLRETURN, SQLParamOptions,                                                          \
        (SQLHSTMT hstmt, SQLULEN crow, SQLULEN *pirow),                                      \
        (hstmt, crow, pirow))                                                                \
    OWN(SQLRETURN, SQLPrepare,                                                               \
        (SQLHSTMT StatementHandle, SQLCHAR *StatementText, SQLINTEGER TextLength),           \
        (StatementHandle, StatementText, TextLength))                                        \
    FWD(SQLRETURN, SQLPrimaryKeys,                                                           \
        (SQLHSTMT hstmt, SQLCHAR *szCatalogName, SQLSMALLINT cbCatalogName, SQLCHAR          \
        *szSchemaName, SQLSMALLINT cbSchemaName, SQLCHAR *szTableName, SQLSMALLINT           \
        cbTableName),                                                                        \
        (hstmt, szCatalogName, cbCatalogName, szSchemaName, cbSchemaName, szTableName,       \
        cbTableName))                                                                        \
    FWD(SQLRETURN, SQLProcedureColumns,                                                      \
        (SQLHSTMT hstmt, SQLCHAR *szCatalogName, SQLSMALLINT cbCatalogName, SQLCHAR          \
        *szSchemaName, SQLSMALLINT cbSchemaName, SQLCHAR *szProcName, SQLSMALLINT            \
        cbProcName, SQLCHAR *szColumnName, SQLSMALLINT cbColumnName),                        \
        (hstmt, szCatalogName, cbCatalogName, szSchemaName, cbSchemaName, szProcName,        \
        cbProcName, szColumnName, cbColumnName))                                             \
    FWD(SQLRETURN, SQLProcedures,                                                            \
        (SQLHSTMT hstmt, SQLCHAR *szCatalogName, SQLSMALLINT cbCatalogName, SQLCHAR          \
        *szSchemaName, SQLSMALLINT cbSchemaName, SQLCHAR *szProcName, SQLSMALLINT            \
        cbProcName),                                                                         \
        (hstmt, szCatalogName, cbCatalogName, szSchemaName, cbSchemaName, szProcName,        \
        cbProcName))                                                                         \
    FWD(SQLRETURN, SQLPutData,                                                               \
        (SQLHSTMT StatementHandle, SQLPOINTER Data, SQLLEN StrLen_or_Ind),                   \
        (StatementHandle, Data, StrLen_or_Ind))                                              \
    FWD(SQLRETURN, SQLRowCount,                                                              \
        (SQLHSTMT StatementHandle, SQLLEN *RowCount),                                        \
        (StatementHandle, RowCount))                                                         \
    FWD(SQLRETURN, SQLSetConnectAttr,                                                        \
        (SQLHDBC ConnectionHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER        \
        StringLength),                                                                       \
        (ConnectionHandle, Attribute, Value, StringLength))                                  \
    FWD(SQLRETURN, SQLSetConnectOption,                                                      \
        (SQLHDBC ConnectionHandle, SQLUSMALLINT Option, SQLULEN Value),                      \
        (ConnectionHandle, Option, Value))                                                   \
    FWD(SQLRETURN, SQLSetCursorName,                                                         \
        (SQLHSTMT StatementHandle, SQLCHAR *CursorName, SQLSMALLINT NameLength),             \
        (StatementHandle, CursorName, NameLength))                                           \
    FWD(SQLRETURN, SQLSetDescField,                                                          \
        (SQLHDESC DescriptorHandle, SQLSMALLINT RecNumber, SQLSMALLINT FieldIdentifier,      \
        SQLPOINTER Value, SQLINTEGER BufferLength),                                          \
        (DescriptorHandle, RecNumber, FieldIdentifier, Value, BufferLength))                 \
    FWD(SQLRETURN, SQLSetDescRec,                                                            \
        (SQLHDESC DescriptorHandle, SQLSMALLINT RecNumber, SQLSMALLINT Type, SQLSMALLINT     \
        SubType, SQLLEN Length, SQLSMALLINT Precision, SQLSMALLINT Scale, SQLPOINTER Data,   \
        SQLLEN *StringLength, SQLLEN *Indicator),                                            \
        (DescriptorHandle, RecNumber, Type, SubType, Length, Precision, Scale, Data,         \
        StringLength, Indicator))                                                            \
    FWD(SQLRETURN, SQLSetEnvAttr,                                                            \
        (SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER       \
        StringLength),                                                                       \
        (EnvironmentHandle, Attribute, Value, StringLength))                                 \
    FWD(SQLRETURN, SQLSetParam,                                                              \
        (SQLHSTMT StatementHandle, SQLUSMALLINT ParameterNumber, SQLSMALLINT ValueType,      \
        SQLSMALLINT ParameterType, SQLULEN LengthPrecision, SQLSMALLINT ParameterScale,      \
        SQLPOINTER ParameterValue, SQLLEN *StrLen_or_Ind),                                   \
        (StatementHandle, ParameterNumber, ValueType, ParameterType, LengthPrecision,        \
        ParameterScale, ParameterValue, StrLen_or_Ind))                                      \
    FWD(SQLRETURN, SQLSetPos,                                                                \
        (SQLHSTMT hstmt, SQLSETPOSIROW irow, SQLUSMALLINT fOption, SQLUSMALLINT fLock),      \
        (hstmt, irow, fOption, fLock))                                                       \
    FWD(SQLRETURN, SQLSetScrollOptions,                                                      \
        (SQLHSTMT hstmt, SQLUSMALLINT fConcurrency, SQLLEN crowKeyset, SQLUSMALLINT          \
        crowRowset),                                                                         \
        (hstmt, fConcurrency, crowKeyset, crowRowset))                                       \
    FWD(SQLRETURN, SQLSetStmtAttr,                                                           \
        (SQLHSTMT StatementHandle, SQLINTEGER Attribute, SQLPOINTER Value, SQLINTEGER        \
        StringLength),                                                                       \
        (StatementHandle, Attribute, Value, StringLength))                                   \
    FWD(SQLRETURN, SQLSetStmtOption,                                                         \
        (SQLHSTMT StatementHandle, SQLUSMALLINT Option, SQLULEN Value),                      \
        (StatementHandle, Option, Value))                                                    \
    FWD(SQLRETURN, SQLSpecialColumns,                                                        \
        (SQLHSTMT StatementHandle, SQLUSMALLINT IdentifierType, SQLCHAR *CatalogName,        \
        SQLSMALLINT NameLength1, SQLCHAR *SchemaName, SQLSMALLINT NameLength2, SQLCHAR       \
        *TableName, SQLSMALLINT NameLength3, SQLUSMALLINT Scope, SQLUSMALLINT Nullable),     \
        (StatementHandle, IdentifierType, CatalogName, NameLength1, SchemaName, NameLength2, \
        TableName, NameLength3, Scope, Nullable))                                            \
    FWD(SQLRETURN, SQLStatistics,                                                            \
        (SQLHSTMT StatementHandle, SQLCHAR *CatalogName, SQLSMALLINT NameLength1, SQLCHAR    \
        *SchemaName, SQLSMALLINT NameLength2, SQLCHAR *TableName, SQLSMALLINT NameLength3,   \
        SQLUSMALLINT Unique, SQLUSMALLINT Reserved),                                         \
        (StatementHandle, CatalogName, NameLength1, SchemaName, NameLength2, TableName,      \
        NameLength3, Unique, Reserved))                                                      \
    FWD(SQLRETURN, SQLTablePrivileges,                                                       \
        (SQLHSTMT hstmt, SQLCHAR *szCatalogName, SQLSMALLINT cbCatalogName, SQLCHAR          \
        *szSchemaName, SQLSMALLINT cbSchemaName, SQLCHAR *szTableName, SQLSMALLINT           \
        cbTableName),                                                                        \
        (hstmt, szCatalogName, cbCatalogName, szSchemaName, cbSchemaName, szTableName,       \
        cbTableName))                                                                        \
    FWD(SQLRETURN, SQLTables,                                                                \
        (SQLHSTMT StatementHandle, SQLCHAR *CatalogName, SQLSMALLINT NameLength1, SQLCHAR    \
        *SchemaName, SQLSMALLINT NameLength2, SQLCHAR *TableName, SQLSMALLINT NameLength3,   \
        SQLCHAR *TableType, SQLSMALLINT NameLength4),                                        \
        (StatementHandle, CatalogName, NameLength1, SchemaName, NameLength2, TableName,      \
        NameLength3, TableType, NameLength4))                                                \
    FWD(SQLRETURN, SQLTransact,                                                              \
        (SQLHENV EnvironmentHandle, SQLHDBC ConnectionHandle, SQLUSMALLINT CompletionType),  \
        (EnvironmentHandle, ConnectionHandle, CompletionType))                               \
    FWD(int, ODBCINSTGetProperties,                                                          \
        (HODBCINSTPROPERTY hFirstProperty),                                                  \
        (hFirstProperty))

#endif
