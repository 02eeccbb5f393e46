/* Resource numbers shared by faximport.rc and the C++ code. The dialog and
   control numbers are part of the program's outside interface (tests and
   other programs find the controls by them): keep them as they are. */
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDI_APPLICATION_ICON 128

/* File chooser filters, "description|pattern|..." with a final separator. */
#define IDS_FILTER_CSV 1
#define IDS_FILTER_WAB 2
#define IDS_FILTER_CONTACTS 3

/* Confirmation dialog. */
#define IDD_CONFIRM 101
#define IDC_CONFIRM_LIST 1001
#define IDC_CONFIRM_HEADLINE 1002
#define IDC_SELECTED_COUNT 1003
#define IDC_REJECTED_COUNT 1004
#define IDC_VALID_COUNT 1005
#define IDC_CAP_LINE 1054
#define IDC_REJECTED_LABEL 1055

/* CSV recipient selection dialog. */
#define IDD_CSV_SELECT 102
#define IDC_TO_SELECTED 1001
#define IDC_SELECTED_LIST 1002
#define IDC_TYPE_AHEAD 1003
#define IDC_SOURCE_LIST 1004
#define IDC_CSV_SELECT_HELP 1047
#define IDC_DELETE_SELECTED 1049

/* Field mapping dialog. */
#define IDD_FIELD_MAP 114
#define IDC_FIELD_LIST 1051
#define IDC_NAME_FIELD 1052
#define IDC_MAP_NAME 1053
#define IDC_MAP_FAX 1054
#define IDC_FAX_FIELD 1055

/* Data type dialog. */
#define IDD_DATA_TYPE 116
#define IDC_KIND_COMBO 1056
#define IDC_AUTO_SEARCH 1057
#define IDC_DATA_TYPE_HELP 1058
#define IDC_DEFAULT_WAB 1059

/* Progress notice. */
#define IDD_PROGRESS 117

/* Speed-dial selection dialog. It shares 1001 to 1004 and 1049 with the CSV
   selection dialog (IDC_TO_SELECTED ... IDC_DELETE_SELECTED). */
#define IDD_SPEED_DIAL_SELECT 118
#define IDC_SELECTED_HEADINGS 1005
#define IDC_SPEED_DIAL_HELP 1047
#define IDC_VIEW_DETAILS 1050

/* Speed-dial record dialog. */
#define IDD_SPEED_DIAL_RECORD 119
#define IDC_RECORD_NAME 1060
#define IDC_RECORD_FAX 1061
#define IDC_RECORD_COMM_MODE 1062
#define IDC_RECORD_SECURE_FAX 1063
#define IDC_RECORD_RELAY_FAX 1064
#define IDC_RECORD_F_CODE 1065

/* Company directory sign-in dialog. */
#define IDD_DIRECTORY_SIGN_IN 120
#define IDC_SIGN_IN_PROMPT 1066
#define IDC_SIGN_IN_USER 1067
#define IDC_SIGN_IN_PASSWORD 1068
