// Identifiers of the shell program's resources, shared by the resource script
// and the code that loads them.
#pragma once

// The shell's icon: the program file's own icon and that of its windows.
#define IDI_SHELL_ICON 1

// The saver's description, which the platform's list of screen savers shows.
// Windows reads it as string 1 of the program.
#define IDS_SAVER_DESCRIPTION 1
