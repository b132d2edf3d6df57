// qelvar-replay: sends an NMEA log to the UDP port the kit's programs listen on, one datagram per
// cycle, at the pace the log was recorded at (or faster), so that the live position can be tried
// without a simulator.
//
//   qelvar-replay [--speed N] [--loop] [--to HOST:PORT] FILE
#include "position/replay_log.h"
#include "position/source_address.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QUdpSocket>
#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace {

int Usage() {
    std::cerr << "usage: qelvar-replay [--speed N] [--loop] [--to HOST:PORT] FILE\n"
                 "  sends the NMEA log FILE to UDP 127.0.0.1:10110 (or HOST:PORT) at its recorded pace;\n"
                 "  --speed 4 sends four times as fast, --loop starts again at the end.\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    double speed = 1;
    bool loop = false;
    qelvar::PositionSource target;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--speed" && i + 1 < argc) {
            speed = std::atof(argv[++i]);
            if (!(speed > 0 && speed <= 1000))
                return Usage();
        } else if (a == "--loop") {
            loop = true;
        } else if (a == "--to" && i + 1 < argc) {
            std::optional<qelvar::PositionSource> to =
                qelvar::ParseSourceText(std::string("udp:") + argv[++i]);
            if (!to)
                return Usage();
            target = *to;
        } else if (file.empty() && a.rfind("--", 0) != 0) {
            file = a;
        } else {
            return Usage();
        }
    }
    if (file.empty())
        return Usage();
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "qelvar-replay: cannot read " << file << "\n";
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::vector<qelvar::ReplayCycle> cycles = qelvar::CutIntoCycles(text.str());
    if (cycles.empty()) {
        std::cerr << "qelvar-replay: " << file << " holds no lines\n";
        return 1;
    }
    QHostAddress address(QString::fromStdString(target.host));
    if (address.isNull() && target.host == "localhost")
        address = QHostAddress::LocalHost;
    if (address.isNull()) {
        std::cerr << "qelvar-replay: " << target.host << " is not an address\n";
        return 2;
    }
    std::cout << "Sending " << cycles.size() << " cycles of " << file << " to UDP " << target.host << ":"
              << target.port << " (" << cycles.back().dueSeconds / speed << " s)\n";

    QUdpSocket socket;
    do {
        auto start = std::chrono::steady_clock::now();
        for (const qelvar::ReplayCycle &cycle : cycles) {
            std::this_thread::sleep_until(start + std::chrono::duration<double>(cycle.dueSeconds / speed));
            socket.writeDatagram(cycle.datagram.data(), static_cast<qint64>(cycle.datagram.size()), address,
                                 target.port);
        }
    } while (loop);
    return 0;
}
