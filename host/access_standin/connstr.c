#include "connstr.h"

#include <stdlib.h>
#include <string.h>
#include <strings.h>

static int is_blank(char c)
{
    return c == ' ' || c == '\t';
}

/* KEY matches the LEN bytes at S, ignoring case and blanks around S. */
static int key_matches(const char *s, size_t len, const char *key)
{
    while (len && is_blank(*s)) {
        s++;
        len--;
    }
    while (len && is_blank(s[len - 1]))
        len--;
    return len == strlen(key) && strncasecmp(s, key, len) == 0;
}

char *vo_connstr_get(const char *text, size_t len, const char *key)
{
    const char *end = text + len;
    const char *p = text;

    while (p < end) {
        const char *eq = p;
        while (eq < end && *eq != '=' && *eq != ';')
            eq++;
        if (eq == end || *eq == ';') {
            /* A bare word such as "ODBC": nothing to read. */
            p = eq + 1;
            continue;
        }

        const char *v = eq + 1;
        const char *scan = v;
        while (scan < end && is_blank(*scan))
            scan++;
        int braced = scan < end && *scan == '{';
        char *value = malloc((size_t)(end - v) + 1);
        size_t n = 0;
        if (!value)
            return NULL;
        if (braced) {
            scan++;
            while (scan < end) {
                if (*scan == '}') {
                    if (scan + 1 < end && scan[1] == '}') {
                        value[n++] = '}';
                        scan += 2;
                        continue;
                    }
                    scan++;
                    break;
                }
                value[n++] = *scan++;
            }
            /* Anything between the closing brace and ';' is noise. */
            while (scan < end && *scan != ';')
                scan++;
        } else {
            scan = v;
            while (scan < end && *scan != ';')
                value[n++] = *scan++;
        }
        value[n] = '\0';
        if (key_matches(p, (size_t)(eq - p), key))
            return value;
        free(value);
        p = scan + 1;
    }
    return NULL;
}

char *vo_create_db_path(const char *value)
{
    const char *start = value;
    const char *stop;

    while (is_blank(*start))
        start++;
    if (*start == '"') {
        start++;
        stop = strchr(start, '"');
        if (!stop)
            stop = start + strlen(start);
    } else {
        /* Unquoted, the path ends where the sort order begins. */
        stop = start;
        while (*stop && !is_blank(*stop))
            stop++;
    }
    if (stop == start)
        return NULL;
    char *path = malloc((size_t)(stop - start) + 1);
    if (path) {
        memcpy(path, start, (size_t)(stop - start));
        path[stop - start] = '\0';
    }
    return path;
}
