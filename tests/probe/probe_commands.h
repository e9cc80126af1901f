// The probe's commands. Each takes the parsed arguments and returns the exit
// status: 0 when the window was found or the action done, 1 when not, 2 for
// unusable arguments.
#pragma once

#include "arguments.h"

constexpr int kDone = 0;
constexpr int kNotDone = 1;
constexpr int kBadArguments = 2;

int FindCommand(const Arguments& args);
int ListCommand(const Arguments& args);
int WaitCommand(const Arguments& args);
int ForegroundCommand(const Arguments& args);
int PostCommand(const Arguments& args);
int TextCommand(const Arguments& args);
int TestWindowCommand(const Arguments& args);
int DestroyCommand(const Arguments& args);
int ReadMessageBoxCommand(const Arguments& args);
int PressButtonCommand(const Arguments& args);
int ShowMessageBoxCommand(const Arguments& args);
int ProfileWriteCommand(const Arguments& args);
int RecordCommand(const Arguments& args);
