// Built against the interface headers alone: linking would fail if any of
// them needed the common library.
#include "common/iendlogo.h"
#include "common/iframe.h"
#include "common/iprjfactory.h"
#include "common/iscenemedia.h"
#include "common/itmplfactory.h"
#include "common/itmplpathmanager.h"
#include "common/iwatermark.h"
#include "common/prjinfo.h"
#include "common/release.h"

#include <QtTest>

namespace {

int liveObjects = 0;

struct Counted
{
    Counted() { ++liveObjects; }
    Counted(const Counted&) = delete;
    ~Counted() { --liveObjects; }
};

class Slot : public IImgMedia, Counted
{
public:
    bool GetTransform(int, transformation_t&) const override { return false; }
    float GetAspect() const override { return 1.f; }
    float GetMaxWidth() const override { return 1.f; }
    float GetMaxHeight() const override { return 1.f; }
    shadow_t GetShadow() const override { return {}; }
    VPosition GetVPosition() const override { return VCenter; }
    HPosition GetHPosition() const override { return HCenter; }
    float GetBorderWidth() const override { return 0.f; }
    color_t GetBorderColor() const override { return {}; }
};

class Scene : public IImgScene, Counted
{
public:
    explicit Scene(std::map<int, IImgMedia*>* media) : media(media) {}
    SceneType GetType() const override { return SceneImg; }
    SceneBgType GetBgType() const override { return BgVideo; }
    std::wstring GetBgFileName() const override { return {}; }
    long GetFramesNumber() const override { return 0; }
    void GetTimeBase(int& num, int& den) const override { num = den = 0; }
    int GetMediaSize() const override { return int(media->size()); }
    std::map<int, IImgMedia*>* GetMedia() const override { return media; }

private:
    std::map<int, IImgMedia*>* media;
};

class Tmpl : public ITmpl, Counted
{
public:
    explicit Tmpl(std::map<int, IScene*> scenes) : scenes(std::move(scenes)) {}
    std::map<int, IScene*> GetScenes() const override { return scenes; }
    int GetFadeIn() const override { return 0; }
    int GetFadeOut() const override { return 0; }
    int GetSceneOverflow() const override { return 0; }
    int GetTextMaxSize() const override { return 70; }

private:
    std::map<int, IScene*> scenes;
};

} // namespace

class TestInterfaces : public QObject
{
    Q_OBJECT

private slots:
    void releaseWorksOnAnyImplementation()
    {
        auto* media = new std::map<int, IImgMedia*>{{0, new Slot}, {1, new Slot}};
        std::map<int, IScene*> scenes{{1, new Scene(media)}};
        ReleaseTmpl(new Tmpl(scenes));
        QCOMPARE(liveObjects, 0);
    }
};

QTEST_GUILESS_MAIN(TestInterfaces)
#include "tst_interfaces.moc"
