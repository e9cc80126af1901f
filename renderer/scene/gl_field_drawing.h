// The particle field's OpenGL 1.1 drawing, the same on any system: the state,
// the glow texture and billboard, the projection and the frames. The context
// it draws in is made by the system's layer (win32_scene.h on Windows).
#pragma once

#include "field/swarm.h"
#include "main/renderer_settings.h"
#include "scene/glow_batch.h"
#include "scene/glow_texture.h"

// How the glows reach OpenGL: a display-list call each, with its own matrix
// and the whole billboard square, or all of a frame's glows collected into
// one array, each in its tight outline, and drawn with one call. The picture
// is the same; the program draws batched.
enum class GlowDrawing { kOneCallPerGlow, kBatched };

// Sets up the current context for a field drawn over width x height pixels:
// the projection, culling, flat shading, the cleared black buffers, the glow
// texture and the billboard's display list of half-size halfSize.
void SetUpFieldDrawing(int width, int height, const GlowTexture& texture, float halfSize);

// The viewport and the projection for width x height pixels, at their aspect
// ratio.
void SetProjection(int width, int height);

// One frame into the back buffer: clears, turns the view, steps and draws
// every swarm, and flushes.
void DrawField(FieldState& field, const RendererSettings& settings, GlowBatch& batch,
               GlowDrawing drawing);
