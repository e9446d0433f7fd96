#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace skingen {

// The skin's lettering: "Comic Sans MS" where the system has it, else Comic Neue.
QStringList skinFamilies();

// A bold font of the given families at the largest pixel size (up to maxPixelSize) whose inked
// outline of text fits inside box.
QFont fittedFont(const QStringList& families, const QString& text, QSizeF box, int maxPixelSize);

// Draws text so that its inked outline is centred in rect, on whole pixels so stems stay crisp.
void drawCentred(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 const QColor& colour);

}  // namespace skingen
