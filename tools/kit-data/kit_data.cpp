#include "kit_data.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <fstream>
#include <map>
#include <stdexcept>
#include <vector>

namespace qelvar::kitdata {

namespace {

namespace fs = std::filesystem;

using Sums = std::map<std::string, std::string>; // relative path ("FSXFiles/KSEA.xml") -> MD5

std::string Md5(const fs::path &file) {
    QFile in(QString::fromStdString(file.string()));
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!in.open(QIODevice::ReadOnly) || !hash.addData(&in))
        throw std::runtime_error(file.string() + " cannot be read");
    return hash.result().toHex().toStdString();
}

bool IsUserOutput(const fs::path &file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return extension == ".rte" || extension == ".pdf";
}

// "<md5>  <relative path>" lines, as md5sum writes them.
Sums ReadSums(const fs::path &file) {
    Sums sums;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 34 && line.compare(32, 2, "  ") == 0)
            sums[line.substr(34)] = line.substr(0, 32);
    }
    return sums;
}

void WriteSums(const fs::path &file, const Sums &sums) {
    std::string text;
    for (const auto &[name, md5] : sums)
        text += md5 + "  " + name + "\n";
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !out.commit())
        throw std::runtime_error(file.string() + " cannot be written");
}

// A copy that takes the place of the old file only when complete.
void CopyWhole(const fs::path &from, const fs::path &to) {
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    fs::path part = to;
    part += ".part";
    fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(part, to, ec);
    if (ec) {
        fs::remove(part, ec);
        throw std::runtime_error(to.string() + " cannot be written");
    }
}

std::vector<std::string> BundledFiles(const fs::path &bundled) {
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(bundled))
        if (entry.is_regular_file() && !IsUserOutput(entry.path()))
            names.push_back(fs::relative(entry.path(), bundled).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

SyncCounts SyncKitData(const fs::path &bundled, const fs::path &kit,
                       const std::function<void(const std::string &line)> &report) {
    SyncCounts counts;
    fs::create_directories(kit);
    Sums before = ReadSums(kit / kKitDataSums), after;
    for (const std::string &name : BundledFiles(bundled)) {
        fs::path source = bundled / name, target = kit / name;
        std::string fresh = Md5(source);
        after[name] = fresh;
        std::error_code ec;
        if (!fs::exists(target, ec)) {
            CopyWhole(source, target);
            ++counts.copied;
            continue;
        }
        std::string present = Md5(target);
        auto last = before.find(name);
        bool userChanged = last == before.end() || last->second != present;
        if (present == fresh) {
            ++counts.unchanged;
        } else if (!userChanged) {
            CopyWhole(source, target);
            ++counts.replaced;
        } else if (last != before.end() && last->second == fresh) {
            ++counts.kept; // the bundled version has not changed since the user changed theirs
        } else {
            fs::path beside = target;
            beside += ".new";
            if (!fs::exists(beside, ec) || Md5(beside) != fresh)
                CopyWhole(source, beside);
            report("Kept your changed " + target.string() + "; the kit's new version is " + beside.string());
            ++counts.newVersions;
        }
    }
    WriteSums(kit / kKitDataSums, after);
    return counts;
}

} // namespace qelvar::kitdata
