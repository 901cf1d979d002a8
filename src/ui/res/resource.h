#pragma once
// Picture and icon resources. The .ico files beside this header are made by
// tools/make_pictures.py and committed.

#define IDI_PROGRAM 1

#define IDP_CLOSE 101
#define IDP_MINIMIZE 102
#define IDP_LOGO 103
#define IDP_DONATE 104
#define IDP_REFRESH 105
#define IDP_FOLDER 106
#define IDP_REPORT 107
#define IDP_COPY_NAME 108
#define IDP_COUNTER 109
#define IDP_CHARMAP 110
#define IDP_EFFECTS 111
#define IDP_SEARCH 112
#define IDP_OPEN 113
#define IDP_COLORS 114
#define IDP_CUT 115
#define IDP_COPY 116
#define IDP_PASTE 117
#define IDP_DELETE 118
#define IDP_UNDO 119
#define IDP_CLEAR 120

#define IDI_FEEDBACK 2
#define IDP_CONTACT 121
#define IDP_REVIEW 122
#define IDP_TELL_A_FRIEND 123
#define IDP_NOTE 124
