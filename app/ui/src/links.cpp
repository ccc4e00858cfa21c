#include "ui/links.h"

namespace Links {

QUrl site()
{
    return QUrl(QStringLiteral("https://pictavio.org/"));
}

QUrl subscribe()
{
    return site().resolved(QUrl(QStringLiteral("subscribe")));
}

QUrl support()
{
    return site().resolved(QUrl(QStringLiteral("contact")));
}

QUrl social()
{
    return QUrl(QStringLiteral("https://www.facebook.com/"));
}

QUrl shareFacebook()
{
    return QUrl(QStringLiteral("https://www.facebook.com/"));
}

QUrl shareYouTube()
{
    return QUrl(QStringLiteral("https://www.youtube.com/upload"));
}

QUrl shareVimeo()
{
    return QUrl(QStringLiteral("https://vimeo.com/upload"));
}

} // namespace Links
