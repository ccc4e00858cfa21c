// pictavio: the window program.
#include "ui/backdropoverlay.h"
#include "ui/mainwindow.h"

#include "core/rendercontroller.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QFont font;
    // The light face of the look where it is installed, else the nearest.
    font.setFamilies({QStringLiteral("Segoe UI Light"), QStringLiteral("Lato Light"),
                      QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(16);
    font.setWeight(QFont::Light);
    QApplication::setFont(font);
    QApplication::setOrganizationName(QStringLiteral("Pictavio Ltd."));
    QApplication::setApplicationName(QStringLiteral("Pictavio"));
    registerCoreMetaTypes();

    QTranslator translator;
    if (translator.load(QLocale::system().name(), QStringLiteral(":/translations")))
        QApplication::installTranslator(&translator);

    MainWindow window;
    new BackdropOverlay(&window, QColor(0, 0, 0, 64));
    window.showMaximized();
    return app.exec();
}
