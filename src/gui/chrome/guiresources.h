#pragma once

namespace Resources {

// Registers the style sheets, icons and data compiled into the GUI library. The program and
// the GUI tests call it once before the first widget is made.
void InitGuiResources();

} // namespace Resources
