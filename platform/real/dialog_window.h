// A dialog on screen: an FLTK window holding one widget per control of the model. The model
// stays the truth; the widgets show it, and what the user does to them goes through the same
// user actions as in the headless backend, posted to the dialog.
#pragma once

#include "platform/common/control_model.h"

#include <FL/Fl_Double_Window.H>
#include <vector>

class DialogWindow : public Fl_Double_Window {
  public:
    DialogWindow(Window* window, const Rect& rect);
    // The platform window this one shows; null once it has been destroyed.
    Window* window;
    // One per control, in template order; null for controls drawn by nothing.
    std::vector<Fl_Widget*> widgets;

    int handle(int event) override;
    // The user or the window manager moved it: the record follows, so that the program
    // reads the place the user chose.
    void resize(int x, int y, int width, int height) override;
};

// Builds the FLTK window and the widgets of a dialog that is in the table with its model.
void build_dialog_window(Window* dialog, bool modal);

// The control behind a widget's event, or null once its dialog has gone.
struct WidgetControl {
    Window* dialog;
    Control* control;
};
WidgetControl control_of(Fl_Widget* widget);

// Shows the model's state of a control in its widget.
void show_control(DialogWindow* window, const Control& control);
// The widget of one control kind, placed on the current group, with its callback set;
// text_size 0 takes the platform's own size.
Fl_Widget* make_control_widget(const Control& control, int index, int text_size);
// The text as FLTK draws it literally: '@' is markup in every label, '&' in the labels of
// buttons and menu entries.
std::string literal_label(const std::string& text, bool shortcut_markup);
