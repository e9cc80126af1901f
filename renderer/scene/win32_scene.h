// The OpenGL scene: context, glow texture, projection and frame drawing. Its
// platform-neutral parts are in this folder and in field/.
#pragma once

#include <windows.h>

// Gives the window an OpenGL context and builds the glow texture, its
// billboard display list and the swarms. Failed set-up calls are not fatal:
// the frames then simply show nothing.
void InitScene(HWND window);

// Chooses the best double-buffered RGBA OpenGL format of the device and sets it.
void SelectPixelFormat(HDC deviceContext);

// Clears, turns the view, steps and draws every swarm (batched), and presents
// the frame.
void DrawFrame();

// How the glows reach OpenGL: a display-list call each, with its own matrix,
// or all of a frame's glows collected into one array and drawn with one call.
// The picture is the same; the program draws batched.
enum class GlowDrawing { kOneCallPerGlow, kBatched };

// The two halves of DrawFrame: the frame drawn into the back buffer, then
// shown with a buffer swap.
void RenderFrame(GlowDrawing drawing = GlowDrawing::kBatched);
void PresentFrame();

// Frees the swarms and the OpenGL context and gives the device context back.
void ReleaseScene(HWND window);
