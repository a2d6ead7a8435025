#include "platform/Resources.h"

#include <QtGlobal>

static void registerResources()
{
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(pictures);
}

void initPlatformResources()
{
    static const bool registered = (registerResources(), true);
    (void)registered;
}
