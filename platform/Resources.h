#pragma once

// The pictures and the help pages are compiled into this static library;
// a static library's resources must be registered by hand before first use.
void initPlatformResources();
