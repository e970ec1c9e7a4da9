#define _GNU_SOURCE
#include "dospath.h"

#include <dirent.h>
#include <errno.h>
#include <iconv.h>
#include <limits.h>
#include <pwd.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

static void fail(char *err, size_t errlen, const char *fmt, ...)
    __attribute__((format(printf, 3, 4)));

static void fail(char *err, size_t errlen, const char *fmt, ...)
{
    va_list ap;

    if (!err || !errlen)
        return;
    va_start(ap, fmt);
    vsnprintf(err, errlen, fmt, ap);
    va_end(ap);
}

static int has_drive(const char *p)
{
    return ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z')) && p[1] == ':';
}

static int is_relative(const char *p)
{
    return p[0] != '/' && p[0] != '\\' && !has_drive(p);
}

static char *join(const char *dir, char sep, const char *name)
{
    size_t dlen = strlen(dir);
    int need_sep = dlen && dir[dlen - 1] != '/' && dir[dlen - 1] != '\\';
    char *out = malloc(dlen + need_sep + strlen(name) + 1);

    if (out)
        sprintf(out, "%s%s%s", dir, need_sep ? (char[]){sep, '\0'} : "", name);
    return out;
}

/* Code page 936 to UTF-8; NULL if TEXT is not valid CP936. */
static char *cp936_to_utf8(const char *text)
{
    size_t inleft = strlen(text);
    size_t outsize = inleft * 3 + 1;
    char *out = malloc(outsize);
    char *in = (char *)text;
    char *o = out;
    size_t outleft = outsize - 1;
    iconv_t cd;

    if (!out)
        return NULL;
    cd = iconv_open("UTF-8", "CP936");
    if (cd == (iconv_t)-1) {
        free(out);
        return NULL;
    }
    if (iconv(cd, &in, &inleft, &o, &outleft) == (size_t)-1 ||
        iconv(cd, NULL, NULL, &o, &outleft) == (size_t)-1) {
        iconv_close(cd);
        free(out);
        return NULL;
    }
    iconv_close(cd);
    *o = '\0';
    return out;
}

/* The Unix directory behind drive LETTER, as Wine maps it. */
static char *drive_root(const char *wineprefix, char letter, char *err, size_t errlen)
{
    char link[PATH_MAX];
    char root[PATH_MAX];
    struct stat st;

    snprintf(link, sizeof link, "%s/dosdevices/%c:", wineprefix, letter);
    if (realpath(link, root))
        return strdup(root);
    if (letter == 'z' && lstat(link, &st) != 0 && errno == ENOENT)
        return strdup("/");
    fail(err, errlen, "drive %c: is not mapped to a directory (%s: %s)", letter - 'a' + 'A',
         link, strerror(errno));
    return NULL;
}

/* Appends the components of REL (separated by '/') to the directory ROOT,
 * each spelt as it is on disk when it only matches without ASCII case. */
static char *append_components(const char *root, const char *rel)
{
    char *out = malloc(strlen(root) + strlen(rel) + 2);
    char *copy = strdup(rel);
    char *save = NULL;
    size_t len;

    if (!out || !copy) {
        free(out);
        free(copy);
        return NULL;
    }
    strcpy(out, root);
    len = strlen(out);
    for (char *comp = strtok_r(copy, "/", &save); comp; comp = strtok_r(NULL, "/", &save)) {
        size_t dirlen = len;
        size_t complen = strlen(comp);
        struct stat st;

        if (len == 0 || out[len - 1] != '/')
            out[len++] = '/';
        memcpy(out + len, comp, complen + 1);
        if (lstat(out, &st) != 0) {
            char saved = out[dirlen];
            out[dirlen] = '\0';
            DIR *dir = opendir(dirlen ? out : "/");
            out[dirlen] = saved;
            if (dir) {
                struct dirent *de;
                while ((de = readdir(dir))) {
                    if (strlen(de->d_name) == complen && strcasecmp(de->d_name, comp) == 0) {
                        memcpy(out + len, de->d_name, complen);
                        break;
                    }
                }
                closedir(dir);
            }
        }
        len += complen;
    }
    free(copy);
    return out;
}

char *vo_database_path(const char *dbq, const char *default_dir, const char *wineprefix,
                       char *err, size_t errlen)
{
    char *path;
    char *result = NULL;

    if (!dbq || !*dbq) {
        fail(err, errlen, "no database file named (DBQ is empty)");
        return NULL;
    }
    if (is_relative(dbq)) {
        if (!default_dir || !*default_dir) {
            fail(err, errlen, "DBQ %s is relative and there is no DefaultDir", dbq);
            return NULL;
        }
        path = join(default_dir, default_dir[0] == '/' ? '/' : '\\', dbq);
    } else if (dbq[0] == '\\' && dbq[1] != '\\' && default_dir && has_drive(default_dir)) {
        /* Rooted but without a drive: the drive of DefaultDir, as the
         * current drive would be. */
        path = malloc(strlen(dbq) + 3);
        if (path)
            sprintf(path, "%c:%s", default_dir[0], dbq);
    } else {
        path = strdup(dbq);
    }
    if (!path) {
        fail(err, errlen, "out of memory");
        return NULL;
    }
    if (path[0] == '/')
        return path;

    if (!has_drive(path)) {
        fail(err, errlen, "%s is neither a Unix path nor a DOS path with a drive letter", path);
        free(path);
        return NULL;
    }
    char letter = path[0] | 0x20;
    /* Convert before touching '\': in CP936 a 0x5C byte can be the second
     * half of a character. */
    char *rest = cp936_to_utf8(path + 2);
    if (!rest) {
        fail(err, errlen, "the path %s is not valid code page 936 text", path);
        free(path);
        return NULL;
    }
    for (char *c = rest; *c; c++)
        if (*c == '\\')
            *c = '/';
    char *root = drive_root(wineprefix, letter, err, errlen);
    if (root) {
        result = append_components(root, rest);
        if (!result)
            fail(err, errlen, "out of memory");
        free(root);
    }
    free(rest);
    free(path);
    return result;
}

char *vo_wine_prefix(void)
{
    const char *prefix = getenv("WINEPREFIX");
    const char *home;

    if (prefix && *prefix)
        return strdup(prefix);
    home = getenv("HOME");
    if (!home || !*home) {
        struct passwd *pw = getpwuid(getuid());
        home = pw ? pw->pw_dir : "";
    }
    char *out = malloc(strlen(home) + sizeof "/.wine");
    if (out)
        sprintf(out, "%s/.wine", home);
    return out;
}
