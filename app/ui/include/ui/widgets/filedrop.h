#pragma once

class QDropEvent;

/// Accepts a drag or drop of files from outside (URLs, not a tile of ours)
/// as a copy; false, with the event ignored, for anything else. Never a
/// move: that would let the file manager delete the originals.
bool acceptFileDrop(QDropEvent* event);
