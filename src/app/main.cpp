#include "BackendFactory.h"
#include "Form1.h"
#include "PortSetting.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QFont>
#include <QScreen>
#include <QStyle>

#include <cstdio>

namespace {

// Qt aborts with a long message when it finds no display; say it plainly.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::fputs("Lampotron needs a graphical desktop, and none was found (DISPLAY is not set).\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The narrow captions were sized for a font that Linux lacks.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lampotron"));

    SettingsStore settings;
    PortDevice port(makeBackend(settings.read("Setting", "Port", DefaultPortSetting).toStdString()));
    Form1 form(port, settings, QApplication::applicationDirPath() + QStringLiteral("/Data.inf"));
    if (!form.Form_Load())
        return EXIT_FAILURE;
    form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                         form.screen()->availableGeometry()));
    form.show();
    return app.exec();
}
