#include "player/Form1Composition.h"

#include "player/WindowFigures.h"
#include "resources/ProductInfo.h"

#include <QApplication>
#include <QImageReader>
#include <QPalette>

namespace player::composition {
namespace {

using namespace platform::forms;

const QColor kWhite(255, 255, 255);
const QColor kNearBlack(5, 0, 0);

// Read as the format its suffix names: guessing from the content would have Qt load every image
// format plugin at start-up to ask each whether it reads the picture.
QImage picture(const QString& path) {
    QImageReader reader(path, path.section(QLatin1Char('.'), -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage skin(const QString& name) {
    return picture(QStringLiteral(":/skin/") + name);
}

QColor buttonFace() {
    return QApplication::palette().color(QPalette::Button);
}
QColor desktop() {
    return QApplication::palette().color(QPalette::Dark);
}

PictureBox& pictureBox(Form& form, Container& parent, const QString& name, float l, float t, float w, float h,
                       const QColor& back, BorderStyle border) {
    auto& box = form.add<PictureBox>(name, parent);
    box.Move(l, t, w, h);
    box.setBackColor(back);
    box.setBorderStyle(border);
    return box;
}

// A picture box sized to its picture: its stored size follows from the picture and border.
PictureBox& pictureButton(Form& form, Container& parent, const QString& name, float l, float t, float w,
                          float h, const QColor& back, BorderStyle border, const QString& picture,
                          const QString& tip) {
    auto& box = pictureBox(form, parent, name, l, t, w, h, back, border);
    box.setAutoSize(true);
    box.setPicture(skin(picture));
    box.setToolTipText(tip);
    return box;
}

Label& label(Form& form, Container& parent, const QString& name, float l, float t, float w, float h,
             const QString& text, double points) {
    auto& lbl = form.add<Label>(name, parent);
    lbl.Move(l, t, w, h);
    lbl.setForeColor(kWhite);
    lbl.setFont(comicSans(points, true));
    lbl.setCaption(text);
    return lbl;
}

}  // namespace

void composeWindow(Form& form) {
    form.setCaption(quorvel::product::kTitle);
    form.setBackColor(buttonFace());
    form.setIcon(picture(QStringLiteral(":/ICON/30001.png")));
    form.setWidth(4830);
    form.setHeight(4845);
}

PictureBox& titleStrip(Form& form) {
    return pictureButton(form, form, QStringLiteral("Picture1"), 0, 0, 105060, 405, buttonFace(),
                         BorderStyle::Fixed3D, QStringLiteral("titlestrip.bmp"), QString());
}

Label& titleLabel(Form& form, Container& strip) {
    auto& lbl =
        label(form, strip, QStringLiteral("LabelTitre"), 240, 15, 1440, 285, quorvel::product::kTitle, 9.75);
    lbl.setAutoSize(true);
    return lbl;
}

Label& statusLabel(Form& form, Container& strip) {
    return label(form, strip, QStringLiteral("status"), 2040, 40, 1215, 255, QString(), 8.25);
}

PictureBox& aboutButton(Form& form, Container& strip) {
    return pictureButton(form, strip, QStringLiteral("Picture2"), 3120, 10, 330, 330, buttonFace(),
                         BorderStyle::FixedSingle, QStringLiteral("about.bmp"), QStringLiteral("A propos"));
}

PictureBox& bottomBar(Form& form) {
    return pictureBox(form, form, QStringLiteral("Picture3"), -240, 4080, 5175, figures::kBottomBarHeight,
                      kNearBlack, BorderStyle::FixedSingle);
}

Label& contactLabel(Form& form, Container& bar) {
    auto& lbl = label(form, bar, QStringLiteral("Label1"), 240, 480, 2415, 255,
                      QStringLiteral("Contact: ") + quorvel::product::kContactAddress, 8.25);
    lbl.setAlignment(Qt::AlignHCenter);
    return lbl;
}

PictureBox& openButton(Form& form, Container& bar) {
    return pictureButton(form, bar, QStringLiteral("OpenFile"), 360, 120, 750, 300, desktop(),
                         BorderStyle::None, QStringLiteral("ouvrir.bmp"),
                         QStringLiteral("Ouvrir un fichier .FLV"));
}

PictureBox& fullScreenButton(Form& form, Container& bar) {
    auto& box = pictureButton(form, bar, QStringLiteral("fullscreen"), 1200, 120, 1050, 300, desktop(),
                              BorderStyle::None, QStringLiteral("pleinecran.bmp"),
                              QStringLiteral("Mode plein écran"));
    box.setVisible(false);
    return box;
}

CheckBox& associateBox(Form& form, Container& bar) {
    auto& box = form.add<CheckBox>(QStringLiteral("Check1"), bar);
    box.Move(2760, 480, 1575, 255);
    box.setColors(kWhite, QColor(0, 0, 0));
    box.setFont(comicSans(8.25, true));
    box.setCaption(QStringLiteral("Associer .FLV"));
    box.setToolTipText(QStringLiteral("Associe les fichiers .FLV à Quorvel"));
    return box;
}

PictureBox& resizeGrip(Form& form) {
    auto& grip = pictureBox(form, form, QStringLiteral("resizepic"), 4320, 4080, 495, 495,
                            QColor(128, 128, 128), BorderStyle::FixedSingle);
    grip.setPicture(skin(QStringLiteral("grip.png")));
    grip.setMousePointer(MousePointer::SizeNWSE);
    grip.setToolTipText(QStringLiteral("Redimensionner"));
    return grip;
}

Timer& sizeGuardTimer(Form& form) {
    auto& timer = form.addTimer(QStringLiteral("Timer1"));
    timer.setInterval(50);
    timer.setEnabled(true);
    return timer;
}

PictureBox& quitButton(Form& form) {
    auto& box = pictureBox(form, form, QStringLiteral("Picture4"), 3480, 10, 350, 375, kNearBlack,
                           BorderStyle::FixedSingle);
    box.setPicture(skin(QStringLiteral("quit.bmp")));
    box.setToolTipText(QStringLiteral("Quitter le lecteur"));
    return box;
}

PictureBox& restoreButton(Form& form) {
    auto& box = pictureButton(form, form, QStringLiteral("restorepic"), 1800, 10, 780, 330, kNearBlack,
                              BorderStyle::FixedSingle, QStringLiteral("reduire.bmp"),
                              QStringLiteral("Quitter le mode plein écran"));
    box.setVisible(false);
    return box;
}

PictureBox& dropHint(Form& form) {
    return pictureBox(form, form, QStringLiteral("dragpic"), -120, 1440, 4935, 1335, kNearBlack,
                      BorderStyle::FixedSingle);
}

Label& dropHintLabel(Form& form, Container& hint) {
    auto& lbl = label(form, hint, QStringLiteral("draglabel"), 840, 480, 2430, 345,
                      QStringLiteral("Glisser - Déposer ici"), 12);
    lbl.setAutoSize(true);
    return lbl;
}

}  // namespace player::composition
