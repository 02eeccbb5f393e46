/* Help context numbers of faximport's dialogs, shared by the C++ code and
   the help project (faximport.hhp reads this file through #include in its
   [MAP] section). For the help compiler chmcmd, keep one "#define NAME
   number" per line, separated by single blanks, with nothing after the
   number, and no other #define lines in this file. */
#pragma once

#define IDH_DATA_TYPE 15510
#define IDH_CSV_SELECTION 15511
#define IDH_FIELD_MAPPING 15512
#define IDH_CONFIRMATION 15513
#define IDH_SPEED_DIAL_SELECTION 15514
#define IDH_SPEED_DIAL_RECORD 15515
#define IDH_ADDRESS_BOOKS 15516
#define IDH_COMPANY_DIRECTORY 15517
