#include "app/KipoApp.h"
#include "platform/DisplayPlatform.h"
#include "platform/Log.h"

int main(int argc, char** argv)
{
    InstallLogFormat();
    PreferNativeWayland();
    CKipoApp app(argc, argv);
    return app.InitInstance();
}
