#pragma once

#include "player/movie/captions/Caption.h"
#include "player/movie/views/ViewContext.h"

#include <QString>
#include <QWidget>

namespace movie {

class CaptionsLoader;

// The "captions" clip: the current item's captions over the bottom of the display, in step with
// the position the controller reports. Hidden while the captions are switched off.
class CaptionsView : public QWidget {
    Q_OBJECT
public:
    CaptionsView(const ViewContext& context, QWidget* parent);

    void relayout();
    // The caption on screen now; empty when none is.
    QString text() const { return m_text; }
    // The captions of the current item, once read.
    const CaptionList& captions() const { return m_captions; }

Q_SIGNALS:
    void captionsLoaded();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void newItem(int index);
    void showAt(double seconds);

    ViewContext m_context;
    CaptionsLoader* m_loader;
    CaptionList m_captions;
    QString m_location;  // the captions file being shown or read; empty for none
    double m_position = 0;
    QString m_text;
    int m_bottomMargin = 10;
};

}  // namespace movie
