#include "about/frmAbout.h"

#include "about/AboutTexts.h"
#include "resources/ProductInfo.h"

#include "quorvel/Version.h"

#include <QPixmap>

namespace about {

using namespace platform::forms;

namespace {

const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

FontSpec sansSerifBold() {
    return FontSpec{{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                     QStringLiteral("DejaVu Sans")},
                    8.25,
                    true};
}

void pointingHand(Control& control) {
    // Setting the icon also makes the pointer custom.
    control.setMouseIcon(QPixmap(QStringLiteral(":/skin/hand.png")), QPoint(12, 1));
}

Label& addLabel(Form& form, const QString& name, float left, float top, float width, float height,
                const QString& text, const QColor& color, const FontSpec& font) {
    auto& label = form.add<Label>(name);
    label.Move(left, top, width, height);
    label.setForeColor(color);
    label.setFont(font);
    label.setCaption(text);
    return label;
}

Label& addLink(Form& form, const QString& name, float left, float top, float width, float height,
               const QString& text, const QString& tooltip) {
    auto& link = addLabel(form, name, left, top, width, height, text, kBlue, comicSans(8.25, false));
    link.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link.setAutoSize(true);
    link.setToolTipText(tooltip);
    pointingHand(link);
    return link;
}

}  // namespace

frmAbout::frmAbout(const ScreenMetrics& screen, platform::Registry& registry,
                   platform::ShellLauncher& launcher, MessageBoxes& messages)
    : m_registry(registry),
      m_launcher(launcher),
      m_messages(messages),
      m_form(QStringLiteral("frmAbout"), FormKind::FixedDialog, screen) {
    compose();
    wireEvents();
}

// The controls in their design order; the buttons' order makes the tab cycle
// cmdOK, cmdSysInfo, Command1.
void frmAbout::compose() {
    m_form.setBackColor(Qt::black);
    m_form.setIcon(QImage(QStringLiteral(":/ICON/30001.png")));
    m_form.setWidth(5730);
    m_form.setHeight(3240);

    auto& details = m_form.add<CommandButton>(QStringLiteral("Command1"));
    details.Move(3840, 2160, 1575, 375);
    details.setCaption(QStringLiteral("Détails..."));
    details.setFont(comicSans(8.25, false));

    auto& ok = m_form.add<CommandButton>(QStringLiteral("cmdOK"));
    ok.Move(3840, 1440, 1620, 585);
    ok.setCaption(QStringLiteral("OK"));
    ok.setFont(sansSerifBold());
    ok.setDefault(true);
    ok.setCancel(true);

    auto& sysInfo = m_form.add<CommandButton>(QStringLiteral("cmdSysInfo"));
    sysInfo.Move(3840, 2640, 1605, 345);
    sysInfo.setCaption(QStringLiteral("&Système Info..."));
    sysInfo.setFont(comicSans(8.25, false));
    sysInfo.setToolTipText(QStringLiteral("Informations système"));

    auto& donate = m_form.add<Image>(QStringLiteral("Image2"));
    donate.Move(1320, 2400, 1500, 660);
    donate.setPicture(QImage(QStringLiteral(":/skin/donate.gif")));
    donate.setToolTipText(
        QStringLiteral("Faire un don avec PayPal - Un solution gratuite, rapide et sécurisée."));
    pointingHand(donate);

    addLink(m_form, QStringLiteral("Label3"), 960, 1680, 2115, 225,
            QStringLiteral("URL : ") + quorvel::product::kMakerSite,
            QStringLiteral("Visitez le site officiel Lumeno"));

    auto& icon = m_form.add<Image>(QStringLiteral("Image1"));
    icon.Move(120, 240, 720, 720);
    icon.setStretch(true);
    icon.setPicture(QImage(QStringLiteral(":/ICON/30001.png")));

    auto& lower = m_form.add<Line>(QStringLiteral("Line1(1)"));
    lower.setEnds(0, 1217, 5564, 1217);
    lower.setBorderColor(QColor(128, 128, 128));
    lower.setBorderWidth(1);

    addLabel(m_form, QStringLiteral("lblDescription"), 1080, 840, 3885, 330, quorvel::product::kAuthorship,
             kGreen, comicSans(8.25, false));
    addLabel(m_form, QStringLiteral("lblTitle"), 1080, 120, 3885, 240, QStringLiteral("Quorvel"), kGreen,
             comicSans(9.75, true));

    auto& upper = m_form.add<Line>(QStringLiteral("Line1(0)"));
    upper.setEnds(0, 1200, 5549, 1200);
    upper.setBorderColor(Qt::white);
    upper.setBorderWidth(2);

    addLabel(m_form, QStringLiteral("lblVersion"), 1320, 600, 3885, 225, QString(), kGreen,
             comicSans(8.25, false));
    addLink(m_form, QStringLiteral("lblDisclaimer"), 720, 1320, 2625, 225,
            QStringLiteral("E-Mail : ") + quorvel::product::kAuthorAddress,
            QStringLiteral("Envoyer un courriel"));
}

void frmAbout::Form_Load() {
    m_form.setCaption(QStringLiteral("A propos : ") + quorvel::product::kTitle);
    auto* version = dynamic_cast<Label*>(m_form.findControl(QStringLiteral("lblVersion")));
    version->setCaption(
        versionLabel(quorvel::version::major, quorvel::version::minor, quorvel::version::revision));
}

void frmAbout::ShowModal(const Form* owner) {
    Form_Load();
    if (owner) {
        m_form.setLeft(owner->Left() + (owner->Width() - m_form.Width()) / 2);
        m_form.setTop(owner->Top() + (owner->Height() - m_form.Height()) / 2);
    }
    dynamic_cast<CommandButton*>(m_form.findControl(QStringLiteral("cmdOK")))->SetFocus();
    m_form.ShowModal(owner);
}

}  // namespace about
