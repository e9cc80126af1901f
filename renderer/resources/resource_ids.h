// Resource numbers of the renderer program, shared by renderer.rc and the code.
#pragma once

#define ZELVANE_RENDERER_ICON 7002
