#include "ui/widgets/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static bool registerUiResources()
{
    Q_INIT_RESOURCE(app);
    Q_INIT_RESOURCE(pages);
    Q_INIT_RESOURCE(themes);
    Q_INIT_RESOURCE(tiles);
    Q_INIT_RESOURCE(translations);
    return true;
}

void initUiResources()
{
    static const bool registered = registerUiResources();
    Q_UNUSED(registered);
}
