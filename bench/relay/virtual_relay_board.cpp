// A USB relay board that is not there: makes a USBRelay8 (USB id 16c0:05df,
// the real boards' report descriptor) through the kernel's uhid driver,
// answers for it like the real board, and prints every command it receives
// with the time since it was made. The relay output can then be tried, and
// its timing seen, without a board.
//
//   virtual_relay_board [SERIAL]     (needs /dev/uhid: sudo modprobe uhid)
// Runs until SIGINT or SIGTERM.

#include <linux/uhid.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// One vendor feature report of eight bytes, without report numbers.
constexpr std::uint8_t ReportDescriptor[] = {0x06, 0x00, 0xff, 0x09, 0x01, 0xa1, 0x01, 0x15, 0x00, 0x26, 0xff,
                                             0x00, 0x75, 0x08, 0x95, 0x08, 0x09, 0x00, 0xb2, 0x02, 0x01, 0xc0};
volatile std::sig_atomic_t stopping = 0;

// The board's commands: 0xfc all off, 0xfe all on, 0xff relay n on, 0xfd
// relay n off, with n (from 1) in the next byte.
std::uint8_t switched(std::uint8_t relays, std::uint8_t command, std::uint8_t relay)
{
    const auto bit = static_cast<std::uint8_t>((1u << relay) >> 1);
    return command == 0xfc ? 0 : command == 0xfe ? 0xff : command == 0xff ? relays | bit : command == 0xfd ? relays & ~bit : relays;
}

} // namespace

int main(int argc, char **argv)
{
    const char *serial = argc > 1 ? argv[1] : "VIRT8";
    const int uhid = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    uhid_event event{};
    event.type = UHID_CREATE2;
    std::strcpy(reinterpret_cast<char *>(event.u.create2.name), "USBRelay8");
    event.u.create2.rd_size = sizeof ReportDescriptor;
    std::memcpy(event.u.create2.rd_data, ReportDescriptor, sizeof ReportDescriptor);
    event.u.create2.bus = BUS_USB;
    event.u.create2.vendor = 0x16c0;
    event.u.create2.product = 0x05df;
    if (uhid < 0 || ::write(uhid, &event, sizeof event) != sizeof event) {
        std::fprintf(stderr, "Cannot make a board through /dev/uhid: %s\n", std::strerror(errno));
        return 1;
    }
    std::signal(SIGINT, [](int) { stopping = 1; });
    std::signal(SIGTERM, [](int) { stopping = 1; });
    const auto made = std::chrono::steady_clock::now();
    std::uint8_t relays = 0;
    pollfd waiting{uhid, POLLIN, 0};
    while (!stopping) {
        if (::poll(&waiting, 1, 20) <= 0 || ::read(uhid, &event, sizeof event) <= 0)
            continue;
        uhid_event reply{};
        if (event.type == UHID_GET_REPORT) {
            // hidraw hands on the report number 0 before the eight data bytes.
            reply.type = UHID_GET_REPORT_REPLY;
            reply.u.get_report_reply.id = event.u.get_report.id;
            reply.u.get_report_reply.size = 9;
            std::memcpy(reply.u.get_report_reply.data + 1, serial, std::min<std::size_t>(std::strlen(serial), 5));
            reply.u.get_report_reply.data[8] = relays;
        } else if (event.type == UHID_SET_REPORT) {
            const auto &report = event.u.set_report;
            std::printf("set-report %.3f ms:",
                        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - made).count());
            for (int k = 0; k < report.size; ++k)
                std::printf(" %02x", report.data[k]);
            std::printf("\n");
            std::fflush(stdout);
            relays = switched(relays, report.data[1], report.data[2]);
            reply.type = UHID_SET_REPORT_REPLY;
            reply.u.set_report_reply.id = report.id;
        } else {
            continue;
        }
        if (::write(uhid, &reply, sizeof reply) != sizeof reply)
            std::fprintf(stderr, "The board could not answer: %s\n", std::strerror(errno));
    }
    event = uhid_event{};
    event.type = UHID_DESTROY;
    return ::write(uhid, &event, sizeof event) == sizeof event ? 0 : 1;
}
