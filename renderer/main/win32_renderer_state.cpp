#include "main/win32_renderer_state.h"

RendererState& Renderer() {
  static RendererState state;
  return state;
}
