#pragma once

#include "qt/formvelmora.h"
#include "qt/picturebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmora::testing {

// The built main window's widgets by name, for the Qt suites to click, type into and read.
struct WindowControls {
    explicit WindowControls(const Form_Velmora& window) : built(window.controls()) {}

    const BuiltControls& built;
    QPushButton* Command1 = built.button(Button::Command1);
    QLineEdit* Text_gama = built.box(Box::Text_gama);
    QRadioButton* Option_FLD4 = built.option(Option::Option_FLD4);
    QRadioButton* Option_M = built.option(Option::Option_M);
    PictureBox* Picture1 = built.picture(Picture::Picture1);
    QLineEdit* Text_Msub = built.box(Box::Text_Msub);
    QLineEdit* Text_Msup = built.box(Box::Text_Msup);
    QLineEdit* Text_FLD4 = built.box(Box::Text_FLD4);
    QLineEdit* Text_PoPostar = built.box(Box::Text_PoPostar);
    QLineEdit* Text_RoRostar = built.box(Box::Text_RoRostar);
    QLineEdit* Text_PPstar = built.box(Box::Text_PPstar);
    QLineEdit* Text_TTstar = built.box(Box::Text_TTstar);
    QLabel* Label_M = built.label(Label::Label_M);
    QLabel* Label_FLD4 = built.label(Label::Label_FLD4);
    QLabel* Label_PoPoStar = built.label(Label::Label_PoPoStar);
    QLabel* Label_RoRoStar = built.label(Label::Label_RoRoStar);
    QLabel* Label_PPstar = built.label(Label::Label_PPstar);
    QLabel* Label_TTstar = built.label(Label::Label_TTstar);
};

} // namespace velmora::testing
