#pragma once

#include <string_view>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velmora {

class PictureBox;

// The main window's controls that the handlers read and write, found once by name.
struct MainWindowControls {
    QWidget* client = nullptr;
    QLineEdit* Text_gama = nullptr;
    QLineEdit* Text_Msub = nullptr;
    QLineEdit* Text_Msup = nullptr;
    QLineEdit* Text_FLD4 = nullptr;
    QLineEdit* Text_TTstar = nullptr;
    QLineEdit* Text_PPstar = nullptr;
    QLineEdit* Text_RoRostar = nullptr;
    QLineEdit* Text_PoPostar = nullptr;
    QRadioButton* Option_M = nullptr;
    QRadioButton* Option_FLD4 = nullptr;
    QPushButton* Command1 = nullptr;
    PictureBox* Picture1 = nullptr;

    // Finds every control among client's children; each one must be there.
    [[nodiscard]] static MainWindowControls findIn(QWidget* client);
    // Any control of the window by its objectName.
    [[nodiscard]] QWidget* named(std::string_view name) const;
};

} // namespace velmora
