#include "tests/gui_support/accessibility.hpp"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace testing_support {

void activateAccessibility() {
    if (QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        accessibility->setActive(true);
    }
}

} // namespace testing_support
