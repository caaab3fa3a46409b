// Whether anything of the component is still in use, so the library may be unloaded.
#pragma once

// Counts live objects and server locks of the library.
void AddModuleReference();
void ReleaseModuleReference();
bool ModuleInUse();
