// Where the NMEA stream comes from: UDP on a local port (the default, 127.0.0.1:10110, the port
// registered for NMEA 0183), UDP on another address or port, a TCP server to connect to, or
// nothing. Written as a short text in the settings file and on the command line:
//   udp                    UDP on 127.0.0.1:10110
//   udp:10111              UDP on 127.0.0.1:10111
//   udp:0.0.0.0:10110      UDP on every address (another computer sends)
//   tcp:localhost:5000     a TCP client of localhost port 5000
//   off                    no listening
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qelvar {

inline constexpr const char *kDefaultNmeaAddress = "127.0.0.1";
inline constexpr uint16_t kDefaultNmeaPort = 10110;

struct PositionSource {
    enum class Kind { Off, Udp, Tcp };
    Kind kind = Kind::Udp;
    std::string host = kDefaultNmeaAddress; // the address to listen on (UDP) or to connect to (TCP)
    uint16_t port = kDefaultNmeaPort;
    friend bool operator==(const PositionSource &, const PositionSource &) = default;
};

// The source of a text as above; none for a text that is none of those forms.
std::optional<PositionSource> ParseSourceText(const std::string &text);

// "UDP 127.0.0.1:10110", "TCP localhost:5000", "off": how the status names the source.
std::string SourceLabel(const PositionSource &source);

// A name for the one stream that every program of the user reading this source shares:
// "udp-127.0.0.1-10110".
std::string SourceKey(const PositionSource &source);

// Takes "--nmea=TEXT" or "--nmea TEXT" out of the arguments (the rest keep their order) and gives
// TEXT; the last one counts. None when there was no such argument.
std::optional<std::string> TakeNmeaOption(std::vector<std::string> &arguments);

} // namespace qelvar
