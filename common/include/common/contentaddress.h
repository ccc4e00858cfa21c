#pragma once

// Where a theme's background videos are served from. The download, the
// preview addresses of the bundled themes and the folder themegen fills for
// a test server all follow these.

/// The content server, unless PICTAVIO_CONTENT_HOST names another.
inline constexpr char ContentDefaultHost[] = "127.0.0.1:8642";
/// The path of theme <id>'s files on that server: <ContentThemesPath><id>/<file>.
inline constexpr char ContentThemesPath[] = "/app/1.2.0/themes/";
