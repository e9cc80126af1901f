// Identifiers of the settings dialog's pictures and cursor in the shell
// program, shared by the resource script and the dialog.
#pragma once

#define IDB_DIALOG_MARBLE 300
#define IDB_DIALOG_OPTION_OFF 301
#define IDB_DIALOG_OPTION_ON 302
#define IDC_DIALOG_HAND 303
