#pragma once

#include "vidweave/vidweave_export.h"

extern "C" {
/// Prepares the encoding libraries; call once at start-up before any render
/// or music query. Calling it again does nothing.
VIDWEAVE_EXPORT void VidweaveInit();
}
