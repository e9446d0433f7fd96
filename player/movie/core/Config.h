#pragma once

#include "player/movie/core/ConfigKeys.h"

#include <QHash>
#include <QString>

namespace movie {

// The movie's configuration: every key with its value as text. Keys that are "unset" (no
// default and no root variable) are absent.
class Config {
public:
    bool has(const QString& key) const { return m_values.contains(key); }
    QString text(const QString& key) const { return m_values.value(key); }
    double number(const QString& key) const { return m_values.value(key).toDouble(); }
    bool isTrue(const QString& key) const { return m_values.value(key) == QLatin1String("true"); }
    void set(const QString& key, const QString& value) { m_values.insert(key, value); }
    void set(const QString& key, double value) { m_values.insert(key, QString::number(value)); }
    void unset(const QString& key) { m_values.remove(key); }

private:
    QHash<QString, QString> m_values;
};

}  // namespace movie
