#include "runtime/component/SharedObject.h"

#include "logging/LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace runtime {
namespace {
constexpr qint64 kMaxSize = 1 << 20;
}

SharedObject::SharedObject(QString path) : m_path(std::move(path)) {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSize) return;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (doc.isObject()) m_data = doc.object().toVariantMap();
}

bool SharedObject::flush() {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    const QByteArray json = QJsonDocument(QJsonObject::fromVariantMap(m_data)).toJson(QJsonDocument::Compact);
    if (file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit()) return true;
    qCWarning(quorvel::log::component, "cannot write %s", qUtf8Printable(m_path));
    return false;
}

}  // namespace runtime
