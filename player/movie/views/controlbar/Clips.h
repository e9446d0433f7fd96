#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QWidget>

namespace movie {

// A drawn part of the bar. Its colour follows the roll-over state of the button it belongs to;
// `scale` is the bar's drawing scale (2 for large controls).
class Clip : public QWidget {
    Q_OBJECT
public:
    Clip(const QString& name, QWidget* parent);
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    void setScale(double scale);
    void setOpacity(double opacity);
    double opacity() const { return m_opacity; }

protected:
    double scale() const { return m_scale; }

private:
    QColor m_color = Qt::black;
    double m_scale = 1;
    double m_opacity = 1;
};

// One of the movie's black-on-transparent SVG icons, tinted and centred at its own size times
// the scale.
class IconClip : public Clip {
    Q_OBJECT
public:
    IconClip(const QString& name, const QByteArray* svg, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray m_svg;
    QImage m_cache;
    QColor m_cacheColor;
};

// A flat band of the clip's colour, `inset` units from its top and bottom.
class FillClip : public Clip {
    Q_OBJECT
public:
    FillClip(const QString& name, double inset, double alpha, QWidget* parent);
    void setAlpha(double alpha);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_inset;
    double m_alpha;
};

// A short line of text, centred.
class TextClip : public Clip {
    Q_OBJECT
public:
    TextClip(const QString& name, QWidget* parent);
    void setText(const QString& text);
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

// A clip that reacts to the pointer: its parts take the roll-over colour while the pointer is
// over it, and a press is reported.
class ButtonClip : public QWidget {
    Q_OBJECT
public:
    ButtonClip(const QString& name, QWidget* parent);
    void setColors(const QColor& front, const QColor& light);
    // Puts the parts back to the front colour, as when the pointer rolls out.
    void rollOut();

Q_SIGNALS:
    void pressed();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void tint(const QColor& color);

    QColor m_front = Qt::black;
    QColor m_light = Qt::black;
};

// A clip that only holds others. Unlike a plain widget it draws nothing, even under a style
// sheet that gives its window a background.
class ClipGroup : public QWidget {
    Q_OBJECT
public:
    ClipGroup(const QString& name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override {}
};

// Renders an SVG icon at `size` device pixels, every opaque pixel in `color`.
QImage tintedIcon(const QByteArray& svg, const QSize& size, const QColor& color);

}  // namespace movie
