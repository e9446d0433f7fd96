#pragma once

#include "runtime/component/MovieHost.h"

#include <QHash>
#include <QString>
#include <QUrl>

#include <functional>

namespace runtime {

// What the application gives the player component: the movie programs it can run (by the name
// a movie file carries), where local shared objects live, and its outside effects.
struct ComponentEnvironment {
    QHash<QString, MovieProgramFactory> programs;
    QString sharedObjectFolder;
    std::function<void(const QUrl&)> openUrl;
};

}  // namespace runtime
