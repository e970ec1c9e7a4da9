/* From the DBQ a Windows program passes to the Unix file it means. */
#ifndef ACCESS_STANDIN_DOSPATH_H
#define ACCESS_STANDIN_DOSPATH_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/*
 * The Unix path of the file that DBQ names, as a new string for free(), or
 * NULL with the reason in ERR.
 *
 * A relative DBQ is joined to DEFAULT_DIR (NULL or "" when there is none, and
 * then a relative DBQ is an error).  A path starting with '/' is a Unix path
 * and is kept byte for byte.  Any other path is a DOS path from a Windows
 * program under Wine, in code page 936: its drive letter X: stands for
 * WINEPREFIX/dosdevices/x: (a missing z: entry means "/"), its bytes are
 * converted to UTF-8 and '\' becomes '/'.  As on Windows, a DOS path's
 * components that do not exist as spelt are matched without ASCII case.
 */
char *vo_database_path(const char *dbq, const char *default_dir, const char *wineprefix,
                       char *err, size_t errlen);

/* Wine's prefix directory: $WINEPREFIX, else $HOME/.wine.  A new string. */
char *vo_wine_prefix(void);

#ifdef __cplusplus
}
#endif

#endif
