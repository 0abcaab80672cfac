#include "dsutils/DSAppUtils.h"

// The application asks these before it uses what the desktop platform's versions 5.1 and 6
// brought (visual styles, the newer shell dialogs and folder services). Everything they guard
// has its counterpart here, so this system answers as newer than both.

bool CDSAppUtils::IsXPOrLater()
{
    return true;
}

bool CDSAppUtils::IsVistaOrLater()
{
    return true;
}
