#include "OlaConnection.h"
#include "Subcommands.h"

#include <ola/Callback.h>
#include <ola/DmxBuffer.h>
#include <ola/io/Descriptor.h>

#include <csignal>
#include <ctime>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

constexpr unsigned ChannelsShown = 8;

struct Listening {
    unsigned universe;
    ola::io::SelectServer &events;
    bool registered = false;
};

void printFrame(Listening *listening, const ola::client::DMXMetadata &metadata, const ola::DmxBuffer &frame)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (metadata.universe != listening->universe)
        return;
    std::printf("%lld", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    for (unsigned k = 0; k < ChannelsShown; ++k)
        std::printf(" %u", static_cast<unsigned>(frame.Get(k)));
    std::printf("\n");
    std::fflush(stdout);
}

void registered(Listening *listening, const ola::client::Result &result)
{
    if (!result.Success()) {
        std::fprintf(stderr, "cannot register for the universe: %s\n", result.Error().c_str());
        listening->events.Terminate();
        return;
    }
    listening->registered = true;
    std::printf("ready\n");
    std::fflush(stdout);
}

} // namespace

int probe::listen(unsigned universe)
{
    // The signals arrive as data on a descriptor the loop watches, so the
    // loop ends between two frames and every line is out.
    sigset_t stopping;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGTERM);
    sigaddset(&stopping, SIGINT);
    sigprocmask(SIG_BLOCK, &stopping, nullptr);
    const int signals = signalfd(-1, &stopping, SFD_CLOEXEC);
    ola::io::UnmanagedFileDescriptor signalDescriptor(signals);

    OlaConnection link(OlaConnection::DefaultRpcPort);
    if (!link.connected()) {
        std::fprintf(stderr, "olad does not answer\n");
        return 1;
    }
    Listening listening{universe, link.events()};
    signalDescriptor.SetOnData(ola::NewCallback(&link.events(), &ola::io::SelectServer::Terminate));
    link.events().AddReadDescriptor(&signalDescriptor);
    link.client().SetDMXCallback(ola::NewCallback(&printFrame, &listening));
    link.client().RegisterUniverse(universe, ola::client::REGISTER, ola::NewSingleCallback(&registered, &listening));
    link.events().Run();
    link.events().RemoveReadDescriptor(&signalDescriptor);
    close(signals);
    if (listening.registered && !link.connected())
        std::fprintf(stderr, "olad went away\n");
    return listening.registered && link.connected() ? 0 : 1;
}
