#include "player/Form1.h"

#include "logging/LogCategories.h"
#include "platform/forms/ControlFactories.h"
#include "platform/forms/Errors.h"
#include "platform/forms/PlayerProgId.h"
#include "platform/forms/ScreenMetrics.h"
#include "platform/services/SettingsStore.h"
#include "player/Form1Composition.h"
#include "player/VbConversions.h"
#include "player/WindowFigures.h"
#include "resources/ProductInfo.h"

#include <QFile>

namespace player {

using namespace composition;
using platform::forms::skipOnError;

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kAssociateKey = QStringLiteral("AssociateFLV");
}  // namespace

Form1::Form1(const Form1Services& services)
    : form(QStringLiteral("Form1"), platform::forms::FormKind::Borderless, services.screen,
           &services.components),
      Picture1(titleStrip(form)),
      LabelTitre(titleLabel(form, Picture1)),
      status(statusLabel(form, Picture1)),
      Picture2(aboutButton(form, Picture1)),
      Picture3(bottomBar(form)),
      Label1(contactLabel(form, Picture3)),
      OpenFile(openButton(form, Picture3)),
      fullscreen(fullScreenButton(form, Picture3)),
      Check1(associateBox(form, Picture3)),
      resizepic(resizeGrip(form)),
      Timer1(sizeGuardTimer(form)),
      Picture4(quitButton(form)),
      dlg(form, services.fileDialogs),
      restorepic(restoreButton(form)),
      dragpic(dropHint(form)),
      draglabel(dropHintLabel(form, dragpic)),
      m_services(services) {
    composeWindow(form);
    // A long path would run under the status text.
    LabelTitre.endBefore(status);
    form.UnloadHandler = [this](int& cancel) { Form_Unload(cancel); };
}

void Form1::Form_Load() {
    const auto& screen = m_services.screen;
    // Every step runs even when an earlier one failed.
    skipOnError([&] {
        const QString stored = m_services.settings.GetSetting(quorvel::product::kTitle, kSection,
                                                              kAssociateKey, QStringLiteral("0"));
        Check1.setValue(toInteger16(leadingNumber(stored)));
    });
    skipOnError([&] { form.setWidth(figures::kStageWidthPixels * screen.TwipsPerPixelX()); });
    skipOnError([&] {
        form.setHeight(figures::kStageHeightPixels * screen.TwipsPerPixelY() + figures::kTopBand +
                       Picture3.Height());
    });
    skipOnError([&] { resizepic.setLeft(form.Width() - resizepic.Width()); });
    skipOnError([&] { resizepic.setTop(form.Height() - resizepic.Height()); });
    skipOnError([&] { form.setBackColor(QColor(0, 0, 0)); });
    skipOnError([&] {
        if (EnableFileDrop) EnableFileDrop(form);
    });
    skipOnError([&] { drawMovieFileName(); });
    skipOnError([&] { createPlayer(); });
    skipOnError([&] { playerControl().setVisible(true); });
    skipOnError([&] { playerControl().setWidth(0); });
    skipOnError([&] { playerControl().setHeight(0); });
    skipOnError([&] { playerControl().invoke(QStringLiteral("LoadMovie"), {0, swffile}); });
    skipOnError([&] { playerControl().setProperty(QStringLiteral("BackgroundColor"), 0); });
    skipOnError([&] { playerControl().setProperty(QStringLiteral("Menu"), false); });
    skipOnError([&] { dragpic.setTop(figures::kTopBand); });
    skipOnError([&] { dragpic.setLeft(0); });
    skipOnError([&] { dragpic.setHeight(form.Height() - 2 * Picture3.Height()); });
    skipOnError([&] { dragpic.setWidth(form.Width()); });
    skipOnError([&] { resizepic.setVisible(false); });
    skipOnError([&] {
        if (!GetCommandOption(QString()).isEmpty()) GotADrop(GetCommandOption(QString()));
    });
}

void Form1::Form_Unload(int&) {
    m_services.settings.SaveSetting(quorvel::product::kTitle, kSection, kAssociateKey,
                                    QString::number(Check1.Value()).trimmed());
    if (DisableFileDrop) DisableFileDrop(form);
    if (!swffile.isEmpty() && !QFile::remove(swffile))
        qCWarning(quorvel::log::player, "cannot delete %s", qUtf8Printable(swffile));
}

void Form1::createPlayer() {
    auto& control = form.AddControl(platform::forms::kPlayerProgId, kPlayerControlName);
    control.ObjectEvent = [this](const platform::forms::EventInfo& event) { ctrl_FSCommand(event); };
    ctrl = &control;
}

platform::forms::ExtenderControl& Form1::playerControl() const {
    if (!ctrl) throw platform::forms::ObjectNotSetError();
    return *ctrl;
}

void Form1::ctrl_FSCommand(const platform::forms::EventInfo& event) {
    if (event.Name != QLatin1String("FSCommand") || event.EventParameters.isEmpty()) return;
    if (event.EventParameters.at(0).Value.toString() == QLatin1String("play"))
        status.setCaption(QStringLiteral("- Lecture"));
    if (event.EventParameters.at(0).Value.toString() == QLatin1String("pause"))
        status.setCaption(QStringLiteral("- En pause"));
}

QString Form1::GetCommandOption(const QString& option) const {
    const QString& line = m_services.commandLine;
    if (line.isEmpty()) return QString();
    const qsizetype at = line.indexOf(option);
    if (at < 0) return QString();
    return line.mid(at + option.size());
}

}  // namespace player
