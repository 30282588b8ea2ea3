#include "ui/mainwindowcontrols.h"

#include "ui/picturebox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmora {

namespace {

template <typename Control> Control* find(QWidget* client, const char* name)
{
    auto* control = client->findChild<Control*>(QLatin1String(name));
    Q_ASSERT_X(control, "MainWindowControls", name);
    return control;
}

} // namespace

MainWindowControls MainWindowControls::findIn(QWidget* client)
{
    MainWindowControls c;
    c.client = client;
    c.Text_gama = find<QLineEdit>(client, "Text_gama");
    c.Text_Msub = find<QLineEdit>(client, "Text_Msub");
    c.Text_Msup = find<QLineEdit>(client, "Text_Msup");
    c.Text_FLD4 = find<QLineEdit>(client, "Text_FLD4");
    c.Text_TTstar = find<QLineEdit>(client, "Text_TTstar");
    c.Text_PPstar = find<QLineEdit>(client, "Text_PPstar");
    c.Text_RoRostar = find<QLineEdit>(client, "Text_RoRostar");
    c.Text_PoPostar = find<QLineEdit>(client, "Text_PoPostar");
    c.Option_M = find<QRadioButton>(client, "Option_M");
    c.Option_FLD4 = find<QRadioButton>(client, "Option_FLD4");
    c.Command1 = find<QPushButton>(client, "Command1");
    c.Picture1 = find<PictureBox>(client, "Picture1");
    return c;
}

QWidget* MainWindowControls::named(std::string_view name) const
{
    return client->findChild<QWidget*>(QLatin1String(name.data(), qsizetype(name.size())));
}

} // namespace velmora
