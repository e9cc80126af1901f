// One frame of a field's simulation: the view turns, then every swarm steps and
// draws through a point drawer. Platform-neutral; drawn with OpenGL by
// gl_field_drawing.cpp, stepped unseen by a window that shows fewer frames.
#pragma once

#include "field/point_drawer.h"
#include "field/swarm.h"
#include "field/swarm_step.h"
#include "main/renderer_settings.h"
#include "scene/view_angle.h"

template <PointDrawer Drawer>
void StepField(FieldState& field, const RendererSettings& settings, Drawer& drawer) {
  AdvanceViewAngle(field, settings.rotationSpeed);
  for (Swarm& swarm : field.swarms) UpdateSwarm(swarm, field, drawer);
}
