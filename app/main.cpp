#include "app/KipoApp.h"
#include "platform/DisplayPlatform.h"

int main(int argc, char** argv)
{
    PreferNativeWayland();
    CKipoApp app(argc, argv);
    return app.InitInstance();
}
