#pragma once

// Shared by the resource script and the code.
#define ZELVANE_RENDERER_ICON 7002
