#include "app/KipoApp.h"

int main(int argc, char** argv)
{
    CKipoApp app(argc, argv);
    return app.InitInstance();
}
