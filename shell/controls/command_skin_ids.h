// Identifiers of the button's skin bitmaps in the shell program, shared by the
// resource script and the button. They follow the order of controls::Skin.
#pragma once

#define IDB_COMMAND_NORMAL 200
#define IDB_COMMAND_HIGHLIGHT 201
#define IDB_COMMAND_SELECTED 202
#define IDB_COMMAND_HIGHLIGHTSELECT 203
#define IDB_COMMAND_PRESSED 204
#define IDB_COMMAND_DISABLE 205
