// Places the saver's windows on the monitors as monitor_layout.h decides, at
// the start and whenever the monitors change.
#pragma once

// Reads the monitors and lays the windows out for them: the primary field's
// window over the primary monitor, a field window over each other monitor that
// gets a field (a window whose monitor is still there keeps its field), black
// covers over the rest, and the frame pacing for the primary monitor's
// refresh rate. The primary field's window must be open.
void LayOutSaverWindows();
