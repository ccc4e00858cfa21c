#pragma once

// Interfaces are shared by several libraries that are built with hidden
// visibility; their type information must be the same object everywhere so
// that dynamic_cast and exceptions work across library borders.
#if defined(_WIN32)
#define PICTAVIO_INTERFACE
#else
#define PICTAVIO_INTERFACE __attribute__((visibility("default")))
#endif
