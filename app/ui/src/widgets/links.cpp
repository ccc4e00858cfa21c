#include "ui/widgets/links.h"

#include "ui/dialogs/messagedialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QWidget>

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

namespace {

Opener& customOpener()
{
    static Opener opener;
    return opener;
}

} // namespace

void setOpener(Opener opener)
{
    customOpener() = std::move(opener);
}

void openOrTell(QWidget* from, const QUrl& url, const Opener& opener)
{
    const Opener& open = opener ? opener : customOpener();
    if (open ? open(url) : QDesktopServices::openUrl(url))
        return;
    const QString what = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    auto* dialog = new MessageDialog(from ? from->window() : nullptr,
                                     QCoreApplication::translate("Links", "%1 could not be opened.").arg(what),
                                     QString());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

} // namespace Links
