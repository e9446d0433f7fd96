#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// The temporary folder, ending in the folder separator.
QString TempPath();

// The program's own resource of the given type and identifier ("CUSTOM", 101), if it carries one.
std::optional<QByteArray> LoadResData(int id, const QString& type);

// The folder path followed by one folder separator unless it already ends in one (of either kind).
QString AddBackslash(const QString& path);

// The command-line text after the program's name: the arguments joined by single spaces, so an
// unquoted path with spaces arrives whole.
QString commandLineText(const QStringList& arguments);

// A pseudo-random generator seeded from the time of day, drawing numbers in [0, 1).
class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;
    virtual void Randomize() = 0;
    virtual float Rnd() = 0;
};

class TimeSeededRandom : public RandomGenerator {
public:
    void Randomize() override;
    float Rnd() override;

private:
    quint32 m_state = 0x50000u;
};

}  // namespace platform
