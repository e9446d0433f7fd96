#include "platform/services/SystemServices.h"

#include <QDir>
#include <QFile>
#include <QTime>

namespace platform {

QString TempPath() {
    QString path = QDir::tempPath();
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    return path;
}

std::optional<QByteArray> LoadResData(int id, const QString& type) {
    QFile resource(QStringLiteral(":/%1/%2").arg(type).arg(id));
    if (!resource.open(QIODevice::ReadOnly)) return std::nullopt;
    return resource.readAll();
}

QString AddBackslash(const QString& path) {
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))) return path;
    return path + QLatin1Char('/');
}

QString commandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

void TimeSeededRandom::Randomize() {
    // Seconds since midnight with their fraction, as the classic timer gives them.
    const int ms = QTime::currentTime().msecsSinceStartOfDay();
    m_state = quint32(ms) * 2654435761u ^ 0x9E3779B9u;
    if (m_state == 0) m_state = 1;
}

float TimeSeededRandom::Rnd() {
    // xorshift32: quality is no concern here, only a spread of file names.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return float(m_state >> 8) / float(1u << 24);
}

}  // namespace platform
