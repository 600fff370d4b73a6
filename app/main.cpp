#include "RamvikApp.h"

int main(int argc, char** argv)
{
    CRamvikApp app(argc, argv);
    return app.Run();
}
