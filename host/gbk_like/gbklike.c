/*
 * A LIKE for GBK (code page 936) text, as an SQLite loadable extension.
 *
 * The program stores GBK bytes as they come.  SQLite's own LIKE reads them as
 * UTF-8 and so misses matches, and a byte-wise LIKE would find a pattern
 * whose bytes straddle two characters.  This one walks characters: a byte
 * 0x81-0xFE starts a two-byte character (a lone one at the very end is a
 * character by itself), ASCII letters compare without case, anything else
 * exactly.  '%' matches any run of characters, '_' one character, and the
 * ESCAPE character makes the next character literal.
 */
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include <string.h>

#ifndef SQLITE_INNOCUOUS
#define SQLITE_INNOCUOUS 0
#endif

#define EXPORT __attribute__((visibility("default")))

static int char_len(const unsigned char *s, const unsigned char *end)
{
    return s[0] >= 0x81 && s[0] <= 0xFE && end - s >= 2 ? 2 : 1;
}

static unsigned char fold(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? (unsigned char)(c - 'A' + 'a') : c;
}

static int same_char(const unsigned char *a, int alen, const unsigned char *b, int blen)
{
    if (alen != blen)
        return 0;
    if (alen == 1)
        return fold(a[0]) == fold(b[0]);
    return a[0] == b[0] && a[1] == b[1];
}

/*
 * Greedy matching that, on a mismatch, retries from the latest '%' one
 * character further on.  Earlier '%'s never need revisiting, so the cost
 * stays at most pattern length times subject length.
 */
static int gbk_match(const unsigned char *pat, const unsigned char *pend,
                     const unsigned char *str, const unsigned char *send,
                     const unsigned char *esc, int esclen)
{
    const unsigned char *retry_pat = NULL;
    const unsigned char *retry_str = NULL;

    for (;;) {
        if (pat < pend) {
            int plen = char_len(pat, pend);
            int slen = str < send ? char_len(str, send) : 0;

            if (esc && plen == esclen && memcmp(pat, esc, (size_t)esclen) == 0) {
                const unsigned char *lit = pat + plen;
                if (lit >= pend)
                    return 0; /* a trailing escape matches nothing, as in SQLite */
                int llen = char_len(lit, pend);
                if (slen && same_char(lit, llen, str, slen)) {
                    pat = lit + llen;
                    str += slen;
                    continue;
                }
            } else if (plen == 1 && *pat == '%') {
                while (pat < pend && *pat == '%')
                    pat++;
                if (pat == pend)
                    return 1;
                retry_pat = pat;
                retry_str = str;
                continue;
            } else if (slen && ((plen == 1 && *pat == '_') || same_char(pat, plen, str, slen))) {
                pat += plen;
                str += slen;
                continue;
            }
        } else if (str == send) {
            return 1;
        }
        if (!retry_pat || retry_str >= send)
            return 0;
        retry_str += char_len(retry_str, send);
        str = retry_str;
        pat = retry_pat;
    }
}

/* like(PATTERN, SUBJECT [, ESCAPE]), which is SUBJECT LIKE PATTERN [ESCAPE e]. */
static void gbk_like(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    const unsigned char *esc = NULL;
    int esclen = 0;

    for (int i = 0; i < argc; i++)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return;

    const unsigned char *pat = sqlite3_value_text(argv[0]);
    int patlen = sqlite3_value_bytes(argv[0]);
    const unsigned char *str = sqlite3_value_text(argv[1]);
    int strbytes = sqlite3_value_bytes(argv[1]);
    if (!pat || !str) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    sqlite3 *db = sqlite3_context_db_handle(ctx);
    if (patlen > sqlite3_limit(db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1)) {
        sqlite3_result_error(ctx, "LIKE or GLOB pattern too complex", -1);
        return;
    }
    if (argc == 3) {
        esc = sqlite3_value_text(argv[2]);
        esclen = sqlite3_value_bytes(argv[2]);
        if (!esc || esclen == 0 || char_len(esc, esc + esclen) != esclen) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
    }
    sqlite3_result_int(ctx, gbk_match(pat, pat + patlen, str, str + strbytes, esc, esclen));
}

static int register_like(sqlite3 *db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc = sqlite3_create_function(db, "like", 2, flags, NULL, gbk_like, NULL, NULL);

    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "like", 3, flags, NULL, gbk_like, NULL, NULL);
    return rc;
}

/* The entry point SQLite derives from the file name libgbklike.so. */
EXPORT int sqlite3_gbklike_init(sqlite3 *db, char **errmsg, const sqlite3_api_routines *api)
{
    SQLITE_EXTENSION_INIT2(api);
    (void)errmsg;
    return register_like(db);
}

/* The generic entry point, for loaders that are given no name. */
EXPORT int sqlite3_extension_init(sqlite3 *db, char **errmsg, const sqlite3_api_routines *api)
{
    return sqlite3_gbklike_init(db, errmsg, api);
}
