#pragma once

#include "platform/forms/ExtenderControl.h"
#include "runtime/component/ComponentEnvironment.h"
#include "runtime/component/MovieHost.h"

#include <QColor>
#include <QHash>
#include <QPointer>

#include <memory>
#include <optional>

namespace runtime {

class StageRoot;

// The player component as a control: it loads a movie file, gives the movie its root variables
// from the URL query and FlashVars, a stage of the control's size, frame ticks, keys, a context
// menu and local shared objects, and passes the movie's fscommand calls on as "FSCommand".
class PlayerControl : public platform::forms::ExtenderControl, private MovieHost {
public:
    PlayerControl(const QString& name, platform::forms::Container& parent, const ComponentEnvironment& env);
    ~PlayerControl() override;

    void setProperty(const QString& name, const QVariant& value) override;
    QVariant invoke(const QString& method, const QVariantList& arguments) override;

    void LoadMovie(int layer, const QString& url);
    void setFlashVars(const QString& vars) { m_flashVars = vars; }
    void setBackgroundColor(int rgb);

    // What the loaded movie received; empty until a movie is loaded.
    const platform::QueryPairs& rootVariables() const override { return m_rootVariables; }
    bool hasMovie() const { return m_movie.has_value(); }
    bool isRunning() const { return m_program != nullptr; }
    Stage* stageObject() const { return m_stage.get(); }

    void showContextMenu(const QPoint& globalPos);

private:
    void geometryChanged() override;
    void startProgram();

    // MovieHost
    const Movie& movie() const override { return *m_movie; }
    Stage& stage() override { return *m_stage; }
    void fscommand(const QString& command, const QString& args) override;
    SharedObject& sharedObject(const QString& name) override;
    void navigateToURL(const QUrl& url, const QString& window) override;
    void setContextMenu(const QList<ContextMenuEntry>& entries) override { m_menuEntries = entries; }

    const ComponentEnvironment& m_env;
    StageRoot* m_root;
    std::unique_ptr<Stage> m_stage;
    std::unique_ptr<QObject> m_lifetime;  // guards deferred calls against a destroyed control
    QString m_flashVars;
    std::optional<Movie> m_movie;
    platform::QueryPairs m_rootVariables;
    QList<ContextMenuEntry> m_menuEntries;
    QHash<QString, std::shared_ptr<SharedObject>> m_sharedObjects;
    std::unique_ptr<MovieProgram> m_program;
};

}  // namespace runtime

namespace platform::forms {
class ControlFactories;
}

namespace runtime {
// Makes the component available under its ProgID; env must outlive the factories.
void registerPlayerComponent(platform::forms::ControlFactories& factories, const ComponentEnvironment& env);
}  // namespace runtime
