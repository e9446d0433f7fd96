#pragma once

namespace platform::forms {

// Screen size and resolution in the window's unit, twips (1/1440 inch).
// The real one reads the primary screen; tests give a fixed screen.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    virtual float Width() const = 0;   // twips
    virtual float Height() const = 0;  // twips
};

class PrimaryScreenMetrics : public ScreenMetrics {
public:
    float TwipsPerPixelX() const override;
    float TwipsPerPixelY() const override;
    float Width() const override;
    float Height() const override;
};

// A screen of the given pixel size at a fixed resolution (15 twips a pixel is 96 dpi).
class FixedScreenMetrics : public ScreenMetrics {
public:
    FixedScreenMetrics(int widthPixels, int heightPixels, float twipsPerPixel = 15.0f)
        : m_width(widthPixels), m_height(heightPixels), m_tpp(twipsPerPixel) {}
    float TwipsPerPixelX() const override { return m_tpp; }
    float TwipsPerPixelY() const override { return m_tpp; }
    float Width() const override { return float(m_width) * m_tpp; }
    float Height() const override { return float(m_height) * m_tpp; }

private:
    int m_width;
    int m_height;
    float m_tpp;
};

}  // namespace platform::forms
