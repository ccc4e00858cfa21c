#pragma once

#include <QUrl>

#include <functional>

class QWidget;

/// Every web address the program opens, in one place.
namespace Links {

/// The maker's site.
QUrl site();
QUrl subscribe();
QUrl support();
QUrl social();
QUrl shareFacebook();
QUrl shareYouTube();
QUrl shareVimeo();

using Opener = std::function<bool(const QUrl&)>;
/// Opens \a url with the system's program for it (or \a opener) and says so
/// over \a from when nothing could open it.
void openOrTell(QWidget* from, const QUrl& url, const Opener& opener = {});
/// What opens addresses from now on; tests use their own. Empty: the system.
void setOpener(Opener opener);

} // namespace Links
