#include "BackendFactory.h"
#include "Form1.h"
#include "SchemeLocation.h"
#include "SettingsStore.h"
#include "SignalWatcher.h"

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends the program with a long message when it cannot reach a display,
// whether none is set or the one set does not answer. Say it plainly, and
// keep what Qt says on the way for a start that works.
QStringList messagesWhileStarting;

void explainMissingDisplay(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        messagesWhileStarting << message;
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "Lampotron needs a graphical desktop, and none could be reached (%s).\n",
                 display.isEmpty() ? "DISPLAY is not set" : qPrintable("DISPLAY is " + display));
    std::_Exit(EXIT_FAILURE);
}

QString schemePath(const QDateTime &started)
{
    const QString programFolder = QApplication::applicationDirPath();
    const QString path = pattern::schemeLocation(
        programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        programFolder + QStringLiteral("/" LAMPOTRON_SHIPPED_SCHEME));
    pattern::removeStaleDrafts(path, started);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    const QDateTime started = QDateTime::currentDateTime();
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The narrow captions were sized for a font that Linux lacks.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    qInstallMessageHandler(explainMissingDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString &message : std::as_const(messagesWhileStarting))
        qWarning().noquote() << message;
    QApplication::setApplicationName(QStringLiteral("Lampotron"));

    SettingsStore settings;
    PortDevice port(makeBackend(settings.read(settings::Port).toStdString()));
    Form1 form(port, settings, schemePath(started));
    // Logging out, shutting down or kill end the program as its exit button does.
    SignalWatcher endings({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&endings, &SignalWatcher::received, &form, &QWidget::close);
    if (!form.Form_Load())
        return EXIT_FAILURE;
    form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                         form.screen()->availableGeometry()));
    form.show();
    return app.exec();
}
