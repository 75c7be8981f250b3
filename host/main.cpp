// vorna SCRIPT: builds the script's dialog window and lives on its events.
#include "EntryPoint.h"
#include "QtDesktop.h"

int main(int argc, char** argv)
{
    vorna::platform::Application application(argc, argv);
    vorna::platform::QtDesktop desktop(vorna::platform::Application::arguments());
    vorna::host::EntryPoint entry(desktop);
    entry.Main();
    if (entry.finished())
        return 0;
    return desktop.exec();
}
