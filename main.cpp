// Assembles Quorvel: the services, the player component, the main window and the handlers each
// subsystem binds to it, then runs the window.
#include "about/frmAbout.h"
#include "frame/WindowFrame.h"
#include "intake/Module1.h"
#include "intake/OpenFileDialog.h"
#include "mpris/MprisService.h"
#include "platform/desktop/XdgDesktopAssociation.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/ControlFactories.h"
#include "platform/forms/ScreenMetrics.h"
#include "platform/forms/WindowSystem.h"
#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"
#include "platform/registry/SystemInformation.h"
#include "platform/services/SettingsStore.h"
#include "platform/services/SystemServices.h"
#include "platform/services/TerminationSignals.h"
#include "player/Form1.h"
#include "player/movie/MediaPlayer.h"
#include "player/movie/remote/PlayerRemote.h"
#include "runtime/component/PlayerControl.h"
#include "runtime/mpv/MallocArenas.h"
#include "runtime/mpv/MpvInstances.h"
#include "runtime/mpv/MpvLocale.h"
#include "runtime/stream/MpvStream.h"
#include "shell/AssociationCheckBox.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <QStandardPaths>

#include <optional>

int main(int argc, char** argv) {
    runtime::limitMallocArenas();
    QApplication app(argc, argv);
    runtime::prepareMpvLocale();
    // Made and ended here, so every player, which the window below holds, is gone before it.
    runtime::MpvInstances mpvInstances;
    mpvInstances.spare.prepare();
    // The interface is French: the system dialogs (Open, message boxes) speak it too.
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setQuitOnLastWindowClosed(true);

    platform::IniSettingsStore settings;
    platform::TimeSeededRandom random;
    platform::forms::PrimaryScreenMetrics screen;
    platform::forms::QtFileDialogs fileDialogs;

    // Outlives every player the component makes, so the desktop's media controls follow each load.
    movie::PlayerRemote playerRemote;
    runtime::ComponentEnvironment component;
    component.sharedObjectFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                   QStringLiteral("/quorvel/shared-objects");
    component.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    movie::registerMediaPlayer(
        component, [&mpvInstances] { return std::make_unique<runtime::MpvStream>(mpvInstances); },
        &playerRemote);
    platform::forms::ControlFactories components;
    runtime::registerPlayerComponent(components, component);

    player::Form1Services services{settings,
                                   random,
                                   screen,
                                   components,
                                   fileDialogs,
                                   &platform::TempPath,
                                   &platform::LoadResData,
                                   platform::commandLineText(QApplication::arguments())};
    player::Form1 form1(services);

    platform::Registry registry(platform::RegistryStore::defaultFilePath(), &platform::findSystemInfoProgram);
    auto desktop = platform::XdgDesktopAssociation::forUser(QApplication::applicationFilePath());
    shell::AssociationCheckBox association(form1.Check1, settings, registry, desktop,
                                           QApplication::applicationDirPath());
    form1.Check1.Click = [&] { association.Check1_Click(); };

    intake::Module1 module1(form1);
    form1.EnableFileDrop = [&](platform::forms::Form& form) { module1.EnableFileDrop(form); };
    form1.DisableFileDrop = [&](platform::forms::Form& form) { module1.DisableFileDrop(form); };
    intake::OpenFileDialog openFile(form1);
    form1.OpenFile.Click = [&] { openFile.OpenFile_Click(); };

    platform::DesktopShellLauncher launcher;
    platform::forms::QtMessageBoxes messages;
    // The program's one About box, made at its first showing.
    std::optional<about::frmAbout> aboutBox;
    frame::WindowFrame windowFrame(
        form1, {[&] {
                    if (!aboutBox) aboutBox.emplace(screen, registry, launcher, messages);
                    aboutBox->ShowModal(&form1.form);
                },
                [] { QCoreApplication::exit(0); }, platform::forms::windowSystemPlacesWindows()});

    // The session asking the program to end is a Quit: the setting is saved and the movie file
    // removed, where a default signal would leave both undone.
    platform::TerminationSignals termination([&] { windowFrame.buttons().Picture4_Click(); });

    mpris::MprisService mediaControls(
        playerRemote, {[&] { windowFrame.buttons().Picture4_Click(); }, [&] { form1.form.Activate(); },
                       [&](const QString& path) { form1.GotADrop(path); }});
    mediaControls.publish(QDBusConnection::sessionBus());

    form1.Form_Load();
    form1.form.Show();
    return QApplication::exec();
}
