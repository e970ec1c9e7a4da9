/*
 * Loads the SQLite ODBC driver and passes every call the stand-in does not
 * handle itself straight through to it.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <limits.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "standin.h"

#ifndef VO_REAL_DRIVER_PATH
#error "VO_REAL_DRIVER_PATH (the SQLite ODBC driver to forward to) must be defined"
#endif

static pthread_once_t load_once = PTHREAD_ONCE_INIT;
static void *real_lib;
static struct vo_real_driver real_fns;
static const struct vo_real_driver *real_driver;
static char module_dir[PATH_MAX];

static void find_module_dir(void)
{
    Dl_info info;
    char resolved[PATH_MAX];
    char *slash;

    if (!dladdr((void *)&find_module_dir, &info) || !info.dli_fname)
        return;
    if (!realpath(info.dli_fname, resolved))
        snprintf(resolved, sizeof resolved, "%s", info.dli_fname);
    slash = strrchr(resolved, '/');
    if (!slash)
        return;
    *slash = '\0';
    snprintf(module_dir, sizeof module_dir, "%s", resolved[0] ? resolved : "/");
}

static void load_real_driver(void)
{
    const char *missing = NULL;

    find_module_dir();
    real_lib = dlopen(VO_REAL_DRIVER_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!real_lib) {
        fprintf(stderr, VO_LOG_PREFIX "cannot load the SQLite ODBC driver: %s\n", dlerror());
        return;
    }
    /* The function-pointer cast from dlsym's void * is what POSIX intends. */
#define VO_RESOLVE(ret, name, params, args)                               \
    real_fns.name = (ret(*) params)dlsym(real_lib, #name);                \
    if (!real_fns.name && !missing)                                       \
        missing = #name;
    VO_ODBC_API(VO_RESOLVE, VO_RESOLVE)
#undef VO_RESOLVE
    if (missing) {
        fprintf(stderr, VO_LOG_PREFIX "the SQLite ODBC driver %s lacks %s\n",
                VO_REAL_DRIVER_PATH, missing);
        dlclose(real_lib);
        real_lib = NULL;
        return;
    }
    real_driver = &real_fns;
}

const struct vo_real_driver *vo_real(void)
{
    pthread_once(&load_once, load_real_driver);
    return real_driver;
}

const char *vo_module_dir(void)
{
    pthread_once(&load_once, load_real_driver);
    return module_dir;
}

/* The driver manager unloads drivers it no longer uses; take ours along. */
__attribute__((destructor)) static void unload_real_driver(void)
{
    if (real_lib)
        dlclose(real_lib);
    real_lib = NULL;
    real_driver = NULL;
}

#define VO_FAIL_SQLRETURN SQL_ERROR
#define VO_FAIL_int ODBCINST_ERROR

#define VO_FORWARD(ret, name, params, args)                               \
    VO_EXPORT ret name params                                             \
    {                                                                     \
        const struct vo_real_driver *real = vo_real();                    \
        return real ? real->name args : VO_FAIL_##ret;                    \
    }
#define VO_SKIP(ret, name, params, args)

VO_ODBC_API(VO_FORWARD, VO_SKIP)
