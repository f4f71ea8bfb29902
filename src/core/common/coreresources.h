#pragma once

namespace Resources {

// Registers the resources compiled into the core library (the city data). The library is
// static, so a program or test calls this once before it reads a ":/json/..." path.
void InitCoreResources();

} // namespace Resources
