#include "model/RYXClassInfo.h"

bool RYXClassInfo::isOffered(Menu menu, bool extendedMode) const
{
    return (menus & menu) && (extendedMode || !(extendedMenus & menu));
}
