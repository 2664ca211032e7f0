#include "windows/about_window.h"

#include "themes/theme_table.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"
#include "widgets/window_geometry.h"
#include "windows/app_info.h"
#include "windows/splash_window.h"

#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWindow>

namespace plotmere {

namespace {

constexpr int ClientWidthTwips = 5535;
constexpr int ClientHeightTwips = 3855;
constexpr int TextMarginTwips = 60;

const QString LineBreak = QStringLiteral("\r\n");

// Six lines of warranty disclaimer.
const QStringList Disclaimer = {
    QStringLiteral("This program is offered as it is, free of charge and"),
    QStringLiteral("without any warranty, stated or implied: there is no"),
    QStringLiteral("promise that it suits any particular purpose or that"),
    QStringLiteral("the graphs and numbers it shows are correct. You use"),
    QStringLiteral("it at your own risk; its authors are not liable for any"),
    QStringLiteral("loss or damage that comes from using it."),
};

// Below the disclaimer: the terms under which it may be shared.
const QString Licence = QStringLiteral("Free software under the GNU GPL, version 3 or later.");

// A fixed single border with a close button only, and no taskbar button.
constexpr Qt::WindowFlags AboutWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

AboutWindow::AboutWindow(const ColorTheme& theme, const QScreen* screen)
    : QWidget(nullptr, AboutWindowFlags)
    , theme_(theme) {
    setObjectName("Form10");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(TwipsSize(ClientWidthTwips, ClientHeightTwips));
    CentreOnScreen(*this, screen);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setGeometry(TwipsRect(TextMarginTwips, TextMarginTwips,
                                 ClientWidthTwips - 2 * TextMarginTwips,
                                 ClientHeightTwips - 2 * TextMarginTwips));

    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &AboutWindow::on_focusWindow_changed);

    settheme();
    // The text box keeps its lines with "\n"; the text is defined with "\r\n".
    Text1->setPlainText(AboutText().replace(LineBreak, "\n"));
    setWindowTitle("About " + appTitle);
}

QString AboutWindow::AboutText() {
    QStringList lines = {appTitle + " v" + appVersion, QString()};
    lines += Disclaimer;
    lines += Licence;
    return lines.join(LineBreak);
}

void AboutWindow::settheme() {
    SetBackground(this, theme_.windowBack);
    SetColors(Text1, theme_.editBack, theme_.editText);
}

// Another window of the program became the active one: the About window has done its job.
// While another application is active no window of the program is, and it stays open.
void AboutWindow::on_focusWindow_changed(QWindow* focused) {
    if (focused != nullptr && focused != windowHandle()) {
        close();
    }
}

AboutWindow* OpenAboutWindow(const ColorTheme& theme, const QScreen* screen, const Timing& timing) {
    ShowSplash(timing, QDate::currentDate(), screen);
    auto* about = new AboutWindow(theme, screen);
    about->show();
    about->raise();
    about->activateWindow();
    return about;
}

} // namespace plotmere
