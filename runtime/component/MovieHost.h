#pragma once

#include "platform/url/UrlQuery.h"
#include "runtime/moviefile/MovieFile.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace runtime {

class SharedObject;
class Stage;

struct ContextMenuEntry {
    QString caption;
    QUrl target;
};

// What the player component offers the movie program that runs in it.
class MovieHost {
public:
    virtual ~MovieHost() = default;

    virtual const Movie& movie() const = 0;
    // Root variables from the movie URL's query and FlashVars, unescaped, in order.
    virtual const platform::QueryPairs& rootVariables() const = 0;
    virtual Stage& stage() = 0;
    // Raises the control's FSCommand event for the host.
    virtual void fscommand(const QString& command, const QString& args) = 0;
    // The local shared object of that name, kept between runs.
    virtual SharedObject& sharedObject(const QString& name) = 0;
    // Opens an address in the named browser window ("_self", "_blank", ...).
    virtual void navigateToURL(const QUrl& url, const QString& window) = 0;
    virtual void setContextMenu(const QList<ContextMenuEntry>& entries) = 0;
};

// A movie's code, created when its movie is loaded and destroyed with it.
class MovieProgram {
public:
    virtual ~MovieProgram() = default;
};

using MovieProgramFactory = std::function<std::unique_ptr<MovieProgram>(MovieHost&)>;

}  // namespace runtime
