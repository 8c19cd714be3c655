/* Resource ids shared by the resource script and the code. Plain macros: windres reads
   this file through the C preprocessor. */
#ifndef GLIMMERJAR_RESOURCE_IDS_H
#define GLIMMERJAR_RESOURCE_IDS_H

#define RES_ICON_PROGRAM 7002

#define RES_CURSOR_BLANK 107
#define RES_CURSOR_ROTATE 137
#define RES_CURSOR_MOVE 138
#define RES_CURSOR_ORBIT 139
#define RES_CURSOR_HAND 155

#define RES_BUTTON_CONFIGURE 130
#define RES_BUTTON_EXIT 135
#define RES_BUTTON_HELP 136
#define RES_BUTTON_SNAPSHOT 140
#define RES_BUTTON_FULL_SCREEN 158
#define RES_BUTTON_RESTORE 159

/* The configuration dialog. Its controls carry the ids of the settings table
   (settings/settings_table.cpp); a test checks that the two agree. */
#define RES_DIALOG_CONFIGURE 7001
#define IDC_CONFIG_NOTE 1078

/* The help viewer: its dialog, the manual (an "RTF" resource) and the dialog's controls. */
#define RES_DIALOG_HELP 103
#define RES_HELP_DOCUMENT 153
#define IDC_HELP_TEXT 1070
#define IDC_HELP_LINK 1072

#endif
