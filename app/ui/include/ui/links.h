#pragma once

#include <QUrl>

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

} // namespace Links
