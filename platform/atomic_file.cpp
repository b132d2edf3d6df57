#include "atomic_file.h"

#include "runtime_error.h"
#include "text_files.h"

#include <QSaveFile>
#include <QString>

namespace qelvar {

void WriteFileAtomically(const std::filesystem::path &path, const std::string &bytes) {
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly))
        throw RuntimeError(kPathFileAccessError);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        throw RuntimeError(kPathFileAccessError);
    }
    if (!file.commit())
        throw RuntimeError(kPathFileAccessError);
}

void WriteTextLinesAtomically(const std::filesystem::path &path, const std::vector<std::string> &lines) {
    WriteFileAtomically(path, JoinCrLf(lines));
}

} // namespace qelvar
