#include "position_settings.h"

#include <QStandardPaths>
#include <iostream>

namespace qelvar {

SourceChoice ChooseSource(const std::optional<std::string> &commandLineText, QSettings &settings) {
    SourceChoice choice;
    std::string text;
    std::string from;
    if (commandLineText) {
        text = *commandLineText;
        from = "--nmea";
    } else if (settings.contains(kNmeaSourceKey)) {
        text = settings.value(kNmeaSourceKey).toString().toStdString();
        from = settings.fileName().toStdString();
    } else {
        settings.setValue(kNmeaSourceKey,
                          "udp:" + QString(kDefaultNmeaAddress) + ":" + QString::number(kDefaultNmeaPort));
        return choice;
    }
    if (std::optional<PositionSource> source = ParseSourceText(text))
        choice.source = *source;
    else
        choice.problem = "NMEA source \"" + text + "\" of " + from + " not understood; listening on " +
                         SourceLabel(choice.source);
    return choice;
}

std::unique_ptr<QSettings> KitSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "qelvar-kit",
                                       "qelvar-kit");
}

QString RendezvousFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

std::unique_ptr<PositionListener> StartPositionListener(std::vector<std::string> &arguments) {
    std::optional<std::string> text = TakeNmeaOption(arguments);
    std::unique_ptr<QSettings> settings = KitSettings();
    SourceChoice choice = ChooseSource(text, *settings);
    if (!choice.problem.empty())
        std::cerr << choice.problem << "\n";
    auto listener = std::make_unique<PositionListener>(choice.source, RendezvousFolder());
    listener->Start();
    return listener;
}

} // namespace qelvar
