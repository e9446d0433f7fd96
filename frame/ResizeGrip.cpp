#include "frame/ResizeGrip.h"

#include "platform/forms/Errors.h"
#include "player/Form1.h"

namespace frame {

using platform::forms::MouseEvent;
using platform::forms::skipOnError;

namespace {
float positive(float twips) {
    if (!(twips > 0)) throw platform::forms::PropertyError("window size must be positive");
    return twips;
}
}  // namespace

ResizeGrip::ResizeGrip(player::Form1& window) : m_window(window) {
    auto& grip = m_window.resizepic;
    grip.MouseDown = [this](const MouseEvent& e) { resizepic_MouseDown(e); };
    grip.MouseMove = [this](const MouseEvent& e) { resizepic_MouseMove(e); };
    grip.MouseUp = [this](const MouseEvent& e) { resizepic_MouseUp(e); };
}

ResizeGrip::~ResizeGrip() {
    auto& grip = m_window.resizepic;
    grip.MouseDown = nullptr;
    grip.MouseMove = nullptr;
    grip.MouseUp = nullptr;
}

void ResizeGrip::resizepic_MouseDown(const MouseEvent&) {
    m_resizing = 1;
}

void ResizeGrip::resizepic_MouseMove(const MouseEvent& event) {
    if (m_resizing != 1) return;
    auto& form = m_window.form;
    // Each size change runs a layout pass that puts the grip's edge under the pointer; the
    // height is read after the width's pass. A size that is not positive is skipped alone.
    skipOnError([&] { form.setWidth(positive(form.Width() + event.X)); });
    skipOnError([&] { form.setHeight(positive(form.Height() + event.Y)); });
}

void ResizeGrip::resizepic_MouseUp(const MouseEvent&) {
    m_resizing = 0;
}

}  // namespace frame
