// Reading time of large template and project files, at two sizes each, so
// that the growth can be seen to be linear.
#include "common/baseprjfactory.h"
#include "common/basetmplfactory.h"
#include "common/release.h"
#include "docloom/prjxmlparser.h"
#include "docloom/prjxmlsaver.h"
#include "docloom/tmplxmlparser.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

void writeTemplate(const QString& path, int slotCount, int frames)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QTextStream out(&file);
    out << "<template fade-in='15' fade-out='15' scene-overflow='10'>";
    for (int slot = 0; slot < slotCount; ++slot) {
        if (slot % 2 == 0)
            out << "<scene id='" << slot / 2 << "' type='1' frames='" << frames
                << "' time-base='1,30'>";
        out << "<object id='" << slot % 2 << "' aspect='1.5' border-width='0.02' "
            << "shadow='1,1 2 0,0,0,128'><transform>";
        for (int f = 0; f < frames; ++f)
            out << "<frame id='" << f << "' opacity='95'>0.1,0.1,0.9,0.12,0.08,0.9,0.92,0.88</frame>";
        out << "</transform></object>";
        if (slot % 2 == 1)
            out << "</scene>";
    }
    out << "</template>";
}

double readTemplate(const QString& path)
{
    BaseTmplFactory factory;
    QElapsedTimer timer;
    timer.start();
    ITmpl* tmpl = TmplXmlParser().ParseTmpl(path.toStdWString(), &factory);
    const double ms = timer.nsecsElapsed() / 1e6;
    ReleaseTmpl(tmpl);
    return ms;
}

double readUserData(const QString& path, int slides)
{
    BasePrjFactory factory;
    SlideList list;
    for (int i = 0; i < slides; ++i) {
        if (i % 5 == 4)
            list.emplace_back(factory.GetTextMediaVal(L"A text & <line>\nwith two lines"));
        else
            list.emplace_back(factory.GetImgMediaVal(
                QString("/home/user/Pictures/holiday/IMG_%1.jpg").arg(i).toStdWString(), i % 4));
    }
    std::unique_ptr<IUsrData> data(factory.GetUsrData(1, {"/music/a.mp3"}, list));
    PrjXmlSaver().SaveUserData(path.toStdWString(), *data);
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<IUsrData> back(PrjXmlParser().ParseUsrData(path.toStdWString(), &factory));
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // text slots make fonts
    QTemporaryDir dir;
    std::printf("template files (slots x frames per slot):\n");
    for (int slotCount : {100, 200}) {
        const QString path = dir.filePath(QString("t%1.xml").arg(slotCount));
        writeTemplate(path, slotCount, 10000);
        std::printf("  %4d x 10000: %8.1f ms (%.1f MB)\n", slotCount, readTemplate(path),
                    QFile(path).size() / 1e6);
    }
    std::printf("user data files (slides):\n");
    for (int slides : {2500, 5000}) {
        const QString path = dir.filePath(QString("u%1.xml").arg(slides));
        std::printf("  %5d: %8.2f ms\n", slides, readUserData(path, slides));
    }
    return 0;
}
