#pragma once

class QWidget;

namespace platform::forms {

class ScreenMetrics;

// Something controls can be placed in: a form or a picture box.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* clientWidget() const = 0;
    // Offset of the client area inside clientWidget(), in pixels (a container's border).
    virtual int clientOriginPixels() const = 0;
    virtual const ScreenMetrics& screen() const = 0;
};

}  // namespace platform::forms
