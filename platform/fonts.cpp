#include "fonts.h"

namespace qelvar {

QString FontFamily(const std::string &name) {
    if (name == "Small Fonts" || name == "Lucida Sans Unicode" || name == "MS Sans Serif")
        return QStringLiteral("DejaVu Sans");
    if (name == "Lucida Console" || name == "Courier New")
        return QStringLiteral("DejaVu Sans Mono");
    return QString::fromStdString(name);
}

} // namespace qelvar
