#include "windows/about_window.h"

#include "themes/theme_table.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"
#include "windows/app_info.h"
#include "windows/splash_window.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStringList>

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

// A fixed single border with a close button only, and no taskbar button.
constexpr Qt::WindowFlags AboutWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

AboutWindow::AboutWindow(const ColorTheme& theme)
    : QWidget(nullptr, AboutWindowFlags)
    , theme_(theme) {
    setObjectName("Form10");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(TwipsSize(ClientWidthTwips, ClientHeightTwips));
    placeAtScreenCentre();

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setGeometry(TwipsRect(TextMarginTwips, TextMarginTwips,
                                 ClientWidthTwips - 2 * TextMarginTwips,
                                 ClientHeightTwips - 2 * TextMarginTwips));

    settheme();
    // The text box keeps its lines with "\n"; the text is defined with "\r\n".
    Text1->setPlainText(AboutText().replace(LineBreak, "\n"));
    setWindowTitle("About " + appTitle);
}

QString AboutWindow::AboutText() {
    QStringList lines = {appTitle + " v" + appVersion, QString()};
    lines += Disclaimer;
    return lines.join(LineBreak);
}

void AboutWindow::settheme() {
    SetBackground(this, theme_.windowBack);
    SetColors(Text1, theme_.editBack, theme_.editText);
}

void AboutWindow::placeAtScreenCentre() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(screen->geometry().center());
        move(placed.topLeft());
    }
}

// Another window became the active one: the About window has done its job.
void AboutWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        close();
    }
}

AboutWindow* OpenAboutWindow(const ColorTheme& theme, const Timing& timing) {
    ShowSplash(timing);
    auto* about = new AboutWindow(theme);
    about->show();
    about->raise();
    about->activateWindow();
    return about;
}

} // namespace plotmere
