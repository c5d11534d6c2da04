#include "Screen.h"

namespace ns {

Screen& Screen::mainScreen()
{
    static Screen screen;
    return screen;
}

} // namespace ns
