#pragma once

#include "vidweave/vidweave_export.h"

extern "C" {
/// Prepares the encoding libraries; call once at start-up before any render
/// or music query. Calling it again does nothing.
VIDWEAVE_EXPORT void VidweaveInit();
/// Whether the decoding libraries print their own lines about the files they
/// read (the program says what matters in its own words). Off: nothing; on:
/// their warnings and errors.
VIDWEAVE_EXPORT void VidweaveSetLibraryLog(bool on);
}
