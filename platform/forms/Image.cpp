#include "platform/forms/Image.h"

#include "platform/forms/Container.h"

#include <QLabel>
#include <QPixmap>

namespace platform::forms {

Image::Image(const QString& name, Container& parent)
    : Control(name, parent, new QLabel(parent.clientWidget())) {
    widget()->setAttribute(Qt::WA_TranslucentBackground);
}

void Image::setPicture(const QImage& picture) {
    m_picture = picture;
    static_cast<QLabel*>(widget())->setPixmap(QPixmap::fromImage(picture));
}

void Image::setStretch(bool stretch) {
    static_cast<QLabel*>(widget())->setScaledContents(stretch);
}

}  // namespace platform::forms
