// Runs inside the emulated PC: makes a USBRelay8 board through the kernel's
// uhid driver, answers for it like the real board and logs every set-report
// it receives, while the relay backend finds the board and plays rows on it
// through hidapi and hidraw.

#include "HidapiRelayHid.h"
#include "PortDevice.h"
#include "RelayBackend.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

// A running light, rows that switch several relays at once, and a row that
// repeats the one before.
constexpr std::uint8_t Rows[] = {0x01, 0x02, 0x04, 0x08, 0xf0, 0x0f, 0x0f, 0xa5};
constexpr auto RowPause = std::chrono::milliseconds(100);
constexpr char Serial[] = "QEMU8";
// The real boards' descriptor: one vendor feature report of eight bytes,
// without report numbers.
constexpr std::uint8_t ReportDescriptor[] = {0x06, 0x00, 0xff, 0x09, 0x01, 0xa1, 0x01, 0x15, 0x00, 0x26, 0xff,
                                             0x00, 0x75, 0x08, 0x95, 0x08, 0x09, 0x00, 0xb2, 0x02, 0x01, 0xc0};

double elapsedMs()
{
    static const auto start = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The board's commands: 0xfc all off, 0xfe all on, 0xff relay n on, 0xfd
// relay n off, with n (from 1) in the next byte.
std::uint8_t switched(std::uint8_t relays, std::uint8_t command, std::uint8_t relay)
{
    const auto bit = static_cast<std::uint8_t>((1u << relay) >> 1);
    switch (command) {
    case 0xfc:
        return 0;
    case 0xfe:
        return 0xff;
    case 0xff:
        return relays | bit;
    case 0xfd:
        return relays & ~bit;
    }
    return relays;
}

// Answers the kernel for the board until told to stop. Whoever asks waits
// for the answer, so the log keeps the order in which things happened.
void serveBoard(int uhid, const std::atomic<bool> &stop)
{
    std::uint8_t relays = 0;
    pollfd waiting{uhid, POLLIN, 0};
    while (!stop) {
        uhid_event event{};
        if (poll(&waiting, 1, 20) <= 0 || read(uhid, &event, sizeof event) <= 0)
            continue;
        uhid_event reply{};
        if (event.type == UHID_GET_REPORT) {
            // hidraw hands on the report number 0 before the eight data bytes.
            reply.type = UHID_GET_REPORT_REPLY;
            reply.u.get_report_reply.id = event.u.get_report.id;
            reply.u.get_report_reply.size = 9;
            std::memcpy(reply.u.get_report_reply.data + 1, Serial, std::strlen(Serial));
            reply.u.get_report_reply.data[8] = relays;
        } else if (event.type == UHID_SET_REPORT) {
            const auto &report = event.u.set_report;
            std::printf("set-report %.3f ms:", elapsedMs());
            for (int k = 0; k < report.size; ++k)
                std::printf(" %02x", report.data[k]);
            std::printf("\n");
            relays = switched(relays, report.data[1], report.data[2]);
            reply.type = UHID_SET_REPORT_REPLY;
            reply.u.set_report_reply.id = report.id;
        } else {
            continue;
        }
        if (write(uhid, &reply, sizeof reply) != sizeof reply)
            std::printf("guest: the board could not answer: %s\n", std::strerror(errno));
    }
}

} // namespace

int main()
{
    const int uhid = open("/dev/uhid", O_RDWR | O_CLOEXEC);
    uhid_event create{};
    create.type = UHID_CREATE2;
    std::strcpy(reinterpret_cast<char *>(create.u.create2.name), "USBRelay8");
    create.u.create2.rd_size = sizeof ReportDescriptor;
    std::memcpy(create.u.create2.rd_data, ReportDescriptor, sizeof ReportDescriptor);
    create.u.create2.bus = BUS_USB;
    create.u.create2.vendor = 0x16c0;
    create.u.create2.product = 0x05df;
    if (uhid < 0 || write(uhid, &create, sizeof create) != sizeof create) {
        std::printf("guest: cannot make a board through /dev/uhid: %s\n", std::strerror(errno));
        return 1;
    }
    std::atomic<bool> stop = false;
    std::thread board(serveBoard, uhid, std::cref(stop));

    // The kernel adds the board's hidraw node a moment after it is made.
    HidapiRelayHid hid;
    std::vector<RelayBoardInfo> boards;
    for (int tries = 0; tries < 100 && (boards.empty() || !boards[0].unavailable.empty()); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        boards = findRelayBoards(hid);
    }
    for (const RelayBoardInfo &found : boards)
        std::printf("guest: found %s, %d relays, at %s %s\n", found.setting.c_str(), found.relays, found.path.c_str(),
                    found.unavailable.c_str());
    std::string failure;
    {
        PortDevice port(std::make_unique<RelayBackend>(Serial, std::make_unique<HidapiRelayHid>()));
        port.SelectPort(1);
        failure = port.failureReason();
        std::printf("guest: port %s at %.3f ms %s\n", failure.empty() ? "claimed" : "refused", elapsedMs(), failure.c_str());
        for (const std::uint8_t row : Rows) {
            std::printf("guest: row 0x%02x at %.3f ms\n", row, elapsedMs());
            port.WriteLines(row);
            std::this_thread::sleep_for(RowPause);
        }
        // Leaving the scope sets every line low and lets the board go.
        std::printf("guest: letting go at %.3f ms\n", elapsedMs());
    }
    std::printf("guest: port released at %.3f ms\n", elapsedMs());
    // Whatever still reached the board now would be logged too.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    stop = true;
    board.join();
    const uhid_event destroy{UHID_DESTROY, {}};
    return write(uhid, &destroy, sizeof destroy) == sizeof destroy && failure.empty() ? 0 : 1;
}
