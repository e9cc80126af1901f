// The program's record of loaded forms, kept by the forms themselves.
#pragma once

#include <vector>

namespace zelvane::rt {

class Form;

void FormLoaded(Form* form);
// When Main has returned and this was the last form, the message loop ends.
void FormGone(Form* form);
std::vector<Form*> LoadedForms();
// True once EndProgram has begun; windows are then left to the process's end.
bool ProgramEnding();

}  // namespace zelvane::rt
