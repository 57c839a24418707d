// Drives the ppdev backend inside the emulated PC (mode "run"), or prints
// the data bytes that run must produce, computed against a fake kernel
// (mode "expect").

#include "ParportBackend.h"
#include "PosixSystemCalls.h"
#include "guest_sequence.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <thread>

namespace {

class PrintingCalls final : public SystemCalls {
public:
    int open(const char *, int) override { return 3; }
    int ioctl(int, unsigned long request, void *argument) override
    {
        if (request == PPWDATA)
            std::printf("0x%02x\n", *static_cast<unsigned char *>(argument));
        return 0;
    }
    int close(int) override { return 0; }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "expect") == 0) {
        PortDevice port(std::make_unique<ParportBackend>("/dev/parport0", std::make_unique<PrintingCalls>()));
        port.SelectPort(1);
        playGuestSequence(port, [] {});
        port.SelectPort(0);
        return 0;
    }
    if (argc != 2 || std::strcmp(argv[1], "run") != 0) {
        std::fprintf(stderr, "usage: parport_guest run|expect\n");
        return 2;
    }
    PortDevice port(std::make_unique<ParportBackend>("/dev/parport0", std::make_unique<PosixSystemCalls>()));
    port.SelectPort(1);
    if (port.SelectPort() != 1) {
        std::printf("guest: port not present: %s\n", port.failureReason().c_str());
        return 1;
    }
    std::printf("guest: port claimed\n");
    playGuestSequence(port, [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); });
    port.SelectPort(0);
    std::printf("guest: port released\n");
    return 0;
}
