#include "window/dialogresources.h"

#include <QtCore/qglobal.h>

void InitDialogResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(dialogs_lang);
        Q_INIT_RESOURCE(manual);
        return true;
    }();
    (void)done;
}
