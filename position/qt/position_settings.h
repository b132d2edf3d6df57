// Which NMEA source a program listens to: the command line's --nmea=TEXT, else the per-user
// settings file ($XDG_CONFIG_HOME/qelvar-kit/qelvar-kit.ini, key "source" of group [nmea]), else
// UDP on 127.0.0.1:10110. TEXT is one of the forms of source_address.h.
#pragma once

#include "position/qt/position_listener.h"

#include <QSettings>
#include <memory>
#include <optional>
#include <string>

namespace qelvar {

inline constexpr const char *kNmeaSourceKey = "nmea/source";

struct SourceChoice {
    PositionSource source;
    std::string problem; // a text that could not be read, and where it came from; empty when none
};

// The source by the rule above. A text that cannot be read falls back to the default and says so.
// The settings file gets the default written into it when it has no source yet, so that the user
// finds the key to change.
SourceChoice ChooseSource(const std::optional<std::string> &commandLineText, QSettings &settings);

// The user's settings file of the kit.
std::unique_ptr<QSettings> KitSettings();

// The folder where the programs of the user meet: the runtime folder ($XDG_RUNTIME_DIR).
QString RendezvousFolder();

// Takes --nmea out of the arguments, chooses the source and starts listening; a problem is told
// on standard error.
std::unique_ptr<PositionListener> StartPositionListener(std::vector<std::string> &arguments);

} // namespace qelvar
