#include "source_address.h"

#include <algorithm>
#include <charconv>

namespace qelvar {

namespace {

std::optional<uint16_t> ReadPort(const std::string &text) {
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

// Host names and IPv4 addresses: letters, digits, ".", "-".
bool IsHostName(const std::string &text) {
    return !text.empty() && text.size() <= 253 && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
               c == '-';
    });
}

} // namespace

std::optional<PositionSource> ParseSourceText(const std::string &text) {
    PositionSource source;
    if (text == "off") {
        source.kind = PositionSource::Kind::Off;
        return source;
    }
    if (text == "udp")
        return source;
    std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    std::string kind = text.substr(0, colon), rest = text.substr(colon + 1);
    std::size_t last = rest.rfind(':');
    std::string host = last == std::string::npos ? std::string() : rest.substr(0, last);
    std::optional<uint16_t> port = ReadPort(last == std::string::npos ? rest : rest.substr(last + 1));
    if (!port)
        return std::nullopt;
    source.port = *port;
    if (kind == "udp") {
        if (last != std::string::npos) {
            if (!IsHostName(host))
                return std::nullopt;
            source.host = host;
        }
        return source;
    }
    if (kind == "tcp" && last != std::string::npos && IsHostName(host)) {
        source.kind = PositionSource::Kind::Tcp;
        source.host = host;
        return source;
    }
    return std::nullopt;
}

std::string SourceLabel(const PositionSource &source) {
    switch (source.kind) {
    case PositionSource::Kind::Off:
        return "off";
    case PositionSource::Kind::Udp:
        return "UDP " + source.host + ":" + std::to_string(source.port);
    case PositionSource::Kind::Tcp:
        return "TCP " + source.host + ":" + std::to_string(source.port);
    }
    return {};
}

std::string SourceKey(const PositionSource &source) {
    std::string kind = source.kind == PositionSource::Kind::Tcp ? "tcp" : "udp";
    return kind + "-" + source.host + "-" + std::to_string(source.port);
}

std::optional<std::string> TakeNmeaOption(std::vector<std::string> &arguments) {
    std::optional<std::string> text;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &a = arguments[i];
        if (a.rfind("--nmea=", 0) == 0)
            text = a.substr(7);
        else if (a == "--nmea" && i + 1 < arguments.size())
            text = arguments[++i];
        else
            rest.push_back(a);
    }
    arguments = std::move(rest);
    return text;
}

} // namespace qelvar
