#include "runtime/component/PlayerControl.h"

#include "logging/LogCategories.h"
#include "platform/forms/Container.h"
#include "runtime/component/MovieLoader.h"
#include "runtime/component/SharedObject.h"
#include "runtime/component/Stage.h"
#include "runtime/component/StageWidgets.h"

#include <QDir>
#include <QMenu>
#include <QTimer>

#include <stdexcept>

namespace runtime {
namespace {

StageWidget* stageWidget(QWidget* w) {
    return static_cast<StageWidget*>(w);
}

QColor colorOf(int bgr) {
    // The component takes colours as 0xRRGGBB.
    return QColor((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

}  // namespace

PlayerControl::PlayerControl(const QString& name, platform::forms::Container& parent,
                             const ComponentEnvironment& env)
    : ExtenderControl(name, parent, new StageWidget(parent.clientWidget())),
      m_env(env),
      m_root(new StageRoot(widget())),
      m_lifetime(std::make_unique<QObject>()) {
    // Children made after their window was shown stay hidden until shown.
    m_root->show();
    m_root->keyPressed = [this](int code) {
        if (m_stage) m_stage->keyPressed(code);
    };
    m_root->contextMenuRequested = [this](const QPoint& pos) { showContextMenu(pos); };
}

PlayerControl::~PlayerControl() {
    // The movie goes first: it holds streams and widgets under the stage.
    m_program.reset();
    m_stage.reset();
}

void PlayerControl::setProperty(const QString& name, const QVariant& value) {
    if (name == QLatin1String("FlashVars"))
        setFlashVars(value.toString());
    else if (name == QLatin1String("BackgroundColor"))
        setBackgroundColor(value.toInt());
    else if (name != QLatin1String("Menu"))  // no built-in entries: full and reduced menus are alike
        throw std::runtime_error("object doesn't support property " + name.toStdString());
}

QVariant PlayerControl::invoke(const QString& method, const QVariantList& arguments) {
    if (method == QLatin1String("LoadMovie") && arguments.size() == 2) {
        LoadMovie(arguments.at(0).toInt(), arguments.at(1).toString());
        return {};
    }
    throw std::runtime_error("object doesn't support method " + method.toStdString());
}

void PlayerControl::setBackgroundColor(int rgb) {
    stageWidget(widget())->setBackground(colorOf(rgb));
}

void PlayerControl::LoadMovie(int layer, const QString& url) {
    if (layer != 0) throw std::runtime_error("only layer 0 is supported");
    m_program.reset();
    m_stage.reset();
    m_movie.reset();
    m_sharedObjects.clear();
    m_menuEntries.clear();

    const MovieUrl parts = splitMovieUrl(url);
    m_rootVariables = platform::splitQuery(m_flashVars);
    m_rootVariables += platform::splitQuery(parts.query);

    QString error;
    m_movie = readMovieFile(parts.path, &error);
    if (!m_movie) {
        qCWarning(quorvel::log::component, "cannot load movie %s: %s", qUtf8Printable(parts.path),
                  qUtf8Printable(error));
        return;
    }
    m_root->setGeometry(widget()->rect());
    m_stage = std::make_unique<Stage>(m_root, m_movie->frameRate);
    // Like the component it stands for, the movie starts once the caller's event is over, so
    // it sees the size the host gives the control right after loading.
    QTimer::singleShot(0, m_lifetime.get(), [this] { startProgram(); });
}

void PlayerControl::startProgram() {
    if (!m_movie || m_program) return;
    const auto it = m_env.programs.constFind(m_movie->program);
    if (it == m_env.programs.constEnd()) {
        qCWarning(quorvel::log::component, "movie program %s is not available",
                  qUtf8Printable(m_movie->program));
        return;
    }
    m_program = (*it)(*this);
}

void PlayerControl::geometryChanged() {
    // A size change of the control is a stage resize; the movie is never scaled.
    if (m_stage)
        m_stage->controlResized();
    else
        m_root->setGeometry(widget()->rect());
}

void PlayerControl::fscommand(const QString& command, const QString& args) {
    raiseObjectEvent({QStringLiteral("FSCommand"),
                      {{QStringLiteral("command"), command}, {QStringLiteral("args"), args}}});
}

SharedObject& PlayerControl::sharedObject(const QString& name) {
    auto& slot = m_sharedObjects[name];
    if (!slot) {
        const QString folder = m_env.sharedObjectFolder + QLatin1Char('/') + m_movie->program;
        slot = std::make_shared<SharedObject>(folder + QLatin1Char('/') + name + QStringLiteral(".json"));
    }
    return *slot;
}

void PlayerControl::navigateToURL(const QUrl& url, const QString&) {
    // Every window target opens in the user's browser: the component has no page of its own.
    if (m_env.openUrl && url.isValid()) m_env.openUrl(url);
}

void PlayerControl::showContextMenu(const QPoint& globalPos) {
    QMenu menu;
    for (const ContextMenuEntry& entry : m_menuEntries) {
        const QUrl target = entry.target;
        menu.addAction(entry.caption, [this, target] { navigateToURL(target, QStringLiteral("_blank")); });
    }
    if (!menu.isEmpty()) menu.exec(globalPos);
}

}  // namespace runtime

#include "platform/forms/ControlFactories.h"
#include "platform/forms/PlayerProgId.h"

namespace runtime {

void registerPlayerComponent(platform::forms::ControlFactories& factories, const ComponentEnvironment& env) {
    factories.add(platform::forms::kPlayerProgId,
                  [&env](const QString& name, platform::forms::Container& parent) {
                      return std::make_unique<PlayerControl>(name, parent, env);
                  });
}

}  // namespace runtime
