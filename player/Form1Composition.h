#pragma once

#include "platform/forms/CheckBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"

// The main window's controls as designed: containers, places, sizes, texts, fonts, colours,
// tooltips, pictures and pointers. Each is created in front of those created before it.
namespace player::composition {

void composeWindow(platform::forms::Form& form);
platform::forms::PictureBox& titleStrip(platform::forms::Form& form);  // Picture1
platform::forms::Label& titleLabel(platform::forms::Form& form,
                                   platform::forms::Container& strip);  // LabelTitre
platform::forms::Label& statusLabel(platform::forms::Form& form,
                                    platform::forms::Container& strip);  // status
platform::forms::PictureBox& aboutButton(platform::forms::Form& form,
                                         platform::forms::Container& strip);  // Picture2
platform::forms::PictureBox& bottomBar(platform::forms::Form& form);          // Picture3
platform::forms::Label& contactLabel(platform::forms::Form& form, platform::forms::Container& bar);  // Label1
platform::forms::PictureBox& openButton(platform::forms::Form& form,
                                        platform::forms::Container& bar);  // OpenFile
platform::forms::PictureBox& fullScreenButton(platform::forms::Form& form, platform::forms::Container& bar);
platform::forms::CheckBox& associateBox(platform::forms::Form& form,
                                        platform::forms::Container& bar);  // Check1
platform::forms::PictureBox& resizeGrip(platform::forms::Form& form);      // resizepic
platform::forms::Timer& sizeGuardTimer(platform::forms::Form& form);       // Timer1
platform::forms::PictureBox& quitButton(platform::forms::Form& form);      // Picture4
platform::forms::PictureBox& restoreButton(platform::forms::Form& form);   // restorepic
platform::forms::PictureBox& dropHint(platform::forms::Form& form);        // dragpic
platform::forms::Label& dropHintLabel(platform::forms::Form& form,
                                      platform::forms::Container& hint);  // draglabel

}  // namespace player::composition
