#include "update/updatesetting.h"

#include <QFile>

namespace sazbar {

std::optional<QString> readUpdateSettingLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // A line longer than this cannot be "NOCONNECT" anyway.
    QByteArray line = file.readLine(256);
    file.close();
    if (line.isNull()) return std::nullopt;
    // A line ends at CR, LF or CR LF.
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' || line[i] == '\n') {
            line.truncate(i);
            break;
        }
    }
    return QString::fromLatin1(line);
}

bool updateCheckSwitchedOff(const QString& path) {
    const auto line = readUpdateSettingLine(path);
    return line && *line == QLatin1String(kNoConnect);
}

bool switchUpdateCheckOff(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray content = QByteArray(kNoConnect) + "\r\n";
    const bool written = file.write(content) == content.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

}  // namespace sazbar
