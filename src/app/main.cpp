#include "CommandLine.h"
#include "Program.h"
#include "SignalWatcher.h"


#include <csignal>

int main(int argc, char **argv)
{
    // Until the program can act on them, these wait rather than end it with
    // a lamp lit and nothing said.
    SignalWatcher::hold({SIGTERM, SIGINT, SIGHUP});
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine;
    commandLine.read(arguments);
    if (commandLine.needsWindow())
        return runWindow(argc, argv, arguments);
    return runWithoutWindow(argc, argv, arguments);
}
