// Resource ids of the program's own pictures.
#pragma once

#define IDI_PROGRAM 1
#define IDI_ROW 2
#define IDB_BANNER 10
#define IDB_SIDEBAR 11
#define IDR_LOGIN_PICTURE 20
