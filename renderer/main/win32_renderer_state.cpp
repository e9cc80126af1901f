// The renderer's one state record (win32_renderer_state.h).
#include "main/win32_renderer_state.h"

RendererState& Renderer() {
  static RendererState state;
  return state;
}
