// The view's slow turn. Platform-neutral; applied to OpenGL by win32_scene.cpp.
#pragma once

#include "field/swarm.h"

// Turns the view about the vertical axis by rotationSpeed * 0.01 degrees,
// wrapping at 360, and updates the cosine and sine the particle step uses.
void AdvanceViewAngle(FieldState& field, int rotationSpeed);
