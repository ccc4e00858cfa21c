// pictavio: the window program.
#include "ui/dialogs/backdropoverlay.h"
#include "ui/widgets/focusstyle.h"
#include "ui/mainwindow.h"
#include "ui/widgets/resources.h"
#include "ui/tour/tour.h"

#include "core/rendercontroller.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QApplication::setStyle(new FocusStyle);
    QFont font;
    // The light face of the look where it is installed, else the nearest.
    font.setFamilies({QStringLiteral("Segoe UI Light"), QStringLiteral("Lato Light"),
                      QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(16);
    font.setWeight(QFont::Light);
    QApplication::setFont(font);
    QApplication::setOrganizationName(QStringLiteral("Pictavio Ltd."));
    QApplication::setApplicationName(QStringLiteral("Pictavio"));
    // The desktop entry's id lets the desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pictavio.Pictavio"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.pictavio.Pictavio"),
                                                 QIcon(QStringLiteral(":/images/pictavio.svg"))));
    registerCoreMetaTypes();

    initUiResources(); // the translations among them
    QTranslator translator;
    if (translator.load(QLocale::system().name(), QStringLiteral(":/translations")))
        QApplication::installTranslator(&translator);

    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({QStringLiteral("tour"),
                       QStringLiteral("Walk through every page with the demo content of the themes "
                                      "folder and save a picture of each in <folder>."),
                       QStringLiteral("folder")});
    options.process(app);

    MainWindow window;
    new BackdropOverlay(&window, QColor(0, 0, 0, 64));
    if (options.isSet(QStringLiteral("tour"))) {
        QString error;
        if (!runTour(window, options.value(QStringLiteral("tour")), &error)) {
            std::fprintf(stderr, "pictavio: the tour stopped: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }
    window.showMaximized();
    return app.exec();
}
