#pragma once

/// Registers the pictures and translations compiled into the widget library.
/// A static library's resources are only linked in when asked for by name;
/// every widget that shows a picture calls this first. Safe to call again.
void initUiResources();
