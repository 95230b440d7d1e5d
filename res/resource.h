/* Command and resource numbers, shared by the resource script and the code. */
#ifndef VERKO_RESOURCE_H
#define VERKO_RESOURCE_H

#define IDR_MAINMENU        1
#define IDR_ACCELERATORS    1
#define IDI_PROGRAM         1
#define IDI_PROGRAM_SMALL   2
#define IDC_ZOOM_IN         1
#define IDC_ZOOM_OUT        2

#define CMD_VIEW_ANSI       1
#define CMD_VIEW_OEM        2
#define CMD_VIEW_KOI8       3
#define CMD_CUT             4
#define CMD_COPY            5
#define CMD_FIND            6
#define CMD_HELP            7
#define CMD_NEW             8
#define CMD_OPEN            9
#define CMD_UNDO            10
#define CMD_PASTE           11
#define CMD_SAVE            12
#define CMD_PRINT           13
#define CMD_PREVIEW         14
#define CMD_PAGE_NUMBERS    15
#define CMD_PAGE_SETUP      16
#define CMD_DELETE          17
#define CMD_WORD_WRAP       18
#define CMD_CHAR_MAP        19
#define CMD_SAVE_AS         20
#define CMD_SEARCH_AGAIN    21
#define CMD_REPLACE         22
#define CMD_TO_ANSI         23
#define CMD_TO_OEM          24
#define CMD_TO_KOI8         25
#define CMD_TO_FIDO         26
#define CMD_TRANSLIT        27
#define CMD_RTF_TO_ANSI     28
#define CMD_QP_DECODE       29
#define CMD_LINE_BREAK      30
#define CMD_JUSTIFY         31
#define CMD_CENTER          32
#define CMD_LEFT            33
#define CMD_RIGHT           34
#define CMD_CODING_DIALOG   35
#define CMD_OPTIONS         36
#define CMD_INSERT_FILE     37
#define CMD_DATE_TIME       38
#define CMD_FONT_ANSI       39
#define CMD_FONT_OEM        40
#define CMD_FONT_KOI8       41
#define CMD_BYTE_EDITOR     42
#define CMD_VIEW_UTF8       43
#define CMD_FONT_UTF8       44
#define CMD_TO_UTF8         45
#define CMD_REPAIR_CODING   46
#define CMD_EXIT            101
#define CMD_HTML_REFRESH    102
#define CMD_TOOLBAR         103
#define CMD_COLOR_TEXT      104
#define CMD_COLOR_BACKGROUND 105
#define CMD_COLOR_HTML      106
#define CMD_SELECT_ALL      112
#define CMD_SIZE_DOWN       134
#define CMD_SIZE_UP         135
#define CMD_ABOUT           161
/* Keys taken away from the editor: Ctrl+Alt and Ctrl+Alt+Shift with the arrows. */
#define CMD_BEEP_DOWN       200
#define CMD_BEEP_UP         201
#define CMD_BEEP_LEFT       202
#define CMD_BEEP_RIGHT      203
#define CMD_BEEP_SHIFT_DOWN 204
#define CMD_BEEP_SHIFT_UP   205
#define CMD_BEEP_SHIFT_LEFT 206
#define CMD_BEEP_SHIFT_RIGHT 207
#define CMD_BEEP_FIRST      CMD_BEEP_DOWN
#define CMD_BEEP_LAST       CMD_BEEP_SHIFT_RIGHT
/* The recent-file items, by position in the list. */
#define CMD_RECENT_0        900
#define CMD_RECENT_1        901
#define CMD_RECENT_2        902
#define CMD_RECENT_3        903
#define CMD_RECENT_4        904
#define CMD_RECENT_5        905
#define CMD_RECENT_6        906
#define CMD_RECENT_7        907
#define CMD_RECENT_8        908
#define CMD_RECENT_9        909
#define CMD_RECENT_FIRST    CMD_RECENT_0
#define CMD_RECENT_LAST     CMD_RECENT_9

/* The Options dialog and its controls; the up-down controls are made by the dialog. */
#define IDD_OPTIONS                 5
#define IDC_OPTIONS_BIG_BUTTONS     101
#define IDC_OPTIONS_FRAME           107
#define IDC_OPTIONS_TOOLBAR         108
#define IDC_OPTIONS_STATUS_BAR      109
#define IDC_OPTIONS_MULTILEVEL_UNDO 110
#define IDC_OPTIONS_RESTORE_SIZE    111
#define IDC_OPTIONS_PARAGRAPH       112
#define IDC_OPTIONS_LEFT_INDENT     113
#define IDC_OPTIONS_LEFT_UPDOWN     114
#define IDC_OPTIONS_RIGHT_INDENT    115
#define IDC_OPTIONS_RIGHT_UPDOWN    116
#define IDC_OPTIONS_FIRST_INDENT    121
#define IDC_OPTIONS_FIRST_UPDOWN    122
#define IDC_OPTIONS_IGNORE_BREAKS   144
/* The text of the program's own help window. */
#define IDR_HELP_TEXT               1
/* Fonts per view coding and the character map. */
#define IDD_CODING_FONT     4
#define IDC_FONT_PREVIEW    100
#define IDC_FONT_FACE       101
#define IDC_FONT_CHARSET    102
#define IDC_FONT_SIZE       103
#define IDC_FONT_BOLD       104
#define IDC_FONT_ITALIC     105
#define IDD_CHAR_MAP        6
#define IDC_CHARMAP_GRID    101
#define IDC_CHARMAP_COPY    102
/* The Coding dialog. */
#define IDD_CODING          8
#define IDC_CODING_FROM     101
#define IDC_CODING_TO       102

/* Find and replace: the dialog and the prompt before each replacement. */
#define IDD_FIND_REPLACE    1
#define IDD_REPLACE_PROMPT  3
#define IDC_FIND_TEXT       101
#define IDC_FIND_WHOLE_WORD 102
#define IDC_FIND_MATCH_CASE 103
#define IDC_FIND_ENTIRE_SCOPE 104
#define IDC_FIND_BACKWARD   105
#define IDC_FIND_FRAME      106
#define IDC_FIND_HEX_TEXT   107
#define IDC_FIND_HEX        108
#define IDC_FIND_REPLACEMENT 109
#define IDC_FIND_HEX_REPLACEMENT 110
#define IDC_FIND_PROMPT     111
#define IDC_FIND_TO_LABEL   112
#define IDC_FIND_ALL        6
/* The prompt's answers; "No" has the id that Esc and the close box send. */
#define IDC_PROMPT_YES      1
#define IDC_PROMPT_NO       2
#define IDC_PROMPT_ALL      6
#define IDC_PROMPT_CANCEL   7
/* Byte editor: dialog 2 and its controls. */
#define IDD_BYTE_EDITOR     2
#define IDC_BYTE_SET        103
#define IDC_BYTE_ADDRESS_LABEL 105
#define IDC_BYTE_VALUE_LABEL 106
#define IDC_BYTE_FRAME      107
#define IDC_BYTE_ADDRESS    201
#define IDC_BYTE_VALUE      211

/* The print preview dialog and its controls. */
#define IDD_PREVIEW         7
#define IDC_PREVIEW_FIRST   101
#define IDC_PREVIEW_NEXT    102
#define IDC_PREVIEW_NUMBER  103
#define IDC_PREVIEW_PAGE    104

#endif
