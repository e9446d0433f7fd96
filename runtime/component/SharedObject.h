#pragma once

#include <QString>
#include <QVariantMap>

namespace runtime {

// A local shared object: a small map the movie keeps between runs, stored as a JSON file
// written atomically. A missing or damaged file reads as empty.
class SharedObject {
public:
    explicit SharedObject(QString path);

    QVariant value(const QString& key) const { return m_data.value(key); }
    bool contains(const QString& key) const { return m_data.contains(key); }
    void setValue(const QString& key, const QVariant& value) { m_data.insert(key, value); }
    // Writes the data out; false (and a message on standard error) when it cannot.
    bool flush();

private:
    QString m_path;
    QVariantMap m_data;
};

}  // namespace runtime
