#include "windows/message_window.h"

#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "widgets/twips.h"
#include "windows/app_info.h"
#include "windows/input_box.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

namespace plotmere {

namespace {

// The display time one tick stands for, whatever the tick's wall-clock length.
constexpr int CountedTickMs = Timing{}.messageTickMs;
constexpr int TextMarginTwips = 60;
constexpr int LineAllowanceTwips = 300;
constexpr int MeasuredLineCount = 7;
constexpr int MinimumDuration = 2;
constexpr int MaximumDuration = 10;
const QString LineBreak = QStringLiteral("\r\n");
// The display time in seconds, as a number text.
constexpr TextSetting DurationSetting{"Message Duration", "4"};
const QString DurationPrompt =
    QStringLiteral("Enter new info message display duration [2-10 seconds].");

// Text box height by the number of line breaks; more than six keep the height there is.
constexpr std::array<int, MeasuredLineCount> TextHeightsTwips = {255,  435,  675, 855,
                                                                 1035, 1215, 1395};

// The height table allows 13 pixels a line; the text box keeps one pixel of margin.
constexpr int MaximumLinePitchPixels = 13;
constexpr int DocumentMarginPixels = 1;

// The first seven lines of a "\r\n"-separated text, the missing ones empty.
std::array<QString, MeasuredLineCount> FirstLines(const QString& text) {
    std::array<QString, MeasuredLineCount> lines;
    qsizetype start = 0;
    for (QString& line : lines) {
        const qsizetype end = text.indexOf(LineBreak, start);
        if (end < 0) {
            line = text.mid(start);
            break;
        }
        line = text.mid(start, end - start);
        start = end + LineBreak.size();
    }
    return lines;
}

int TextHeightTwips(qsizetype lineBreaks, int currentTwips) {
    if (lineBreaks < MeasuredLineCount) {
        return TextHeightsTwips[static_cast<std::size_t>(lineBreaks)];
    }
    return currentTwips;
}

// The largest size of the given family whose lines fit the height table.
QFont MessageFont(QFont font) {
    for (int pixelSize = MaximumLinePitchPixels; pixelSize > 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).height() <= MaximumLinePitchPixels) {
            break;
        }
    }
    return font;
}

QPalette FixedColors(QPalette palette) {
    const QColor darkGrey(64, 64, 64);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, darkGrey);
        palette.setColor(group, QPalette::Base, darkGrey);
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::white);
    }
    return palette;
}

} // namespace

MessageWindow::MessageWindow(SettingsStore& settings, InputBox& inputBox, const Timing& timing)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , settings_(settings)
    , inputBox_(inputBox) {
    setObjectName("Form03");
    setWindowTitle("Confirmation");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setPalette(FixedColors(palette()));
    setAutoFillBackground(true);

    // Line widths are measured with the text box's own font metrics, and the text box
    // refuses the focus by its policy, so it never shows a caret.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::NoTextInteraction);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setPalette(FixedColors(Text1->palette()));
    Text1->setFont(MessageFont(Text1->font()));
    Text1->document()->setDocumentMargin(DocumentMarginPixels);
    text1HeightTwips_ = TextHeightsTwips.back();
    Text1->setGeometry(TwipsRect(TextMarginTwips, TextMarginTwips, 0, text1HeightTwips_));
    Text1->viewport()->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(timing.messageTickMs);
    connect(Timer1, &QTimer::timeout, this, &MessageWindow::on_Timer1_timeout);

    messageTicks_ = 0;
    messageDuration_ =
        RoundHalfEvenSaturated(TextToNumber(settings_.Read(DurationSetting).toStdString()));
    Timer1->start();
}

void MessageWindow::showmessage(QWidget* frm1, const QString& tekst1) {
    const int requiredWidthTwips = RequiredWidthTwips(tekst1);
    messageTicks_ = 0;

    QWidget* caller = frm1 != nullptr ? frm1->window() : nullptr;
    const QRect callerFrame = caller != nullptr ? caller->frameGeometry() : QRect();
    const int widthTwips = std::max(PixelsToTwips(callerFrame.width()), requiredWidthTwips);
    const int left = callerFrame.left();
    const int top = callerFrame.top() + callerFrame.height();

    text1HeightTwips_ = TextHeightTwips(tekst1.count(LineBreak), text1HeightTwips_);
    const int heightTwips = text1HeightTwips_ + 2 * TextMarginTwips;
    QRect strip(left, top, Twips(widthTwips), Twips(heightTwips));
    // Below a window that reaches the bottom of its screen the strip would not be seen at all;
    // there it moves up, over the window, as far as it must.
    if (caller != nullptr && caller->screen() != nullptr) {
        strip = PlaceWithin(strip, caller->screen()->availableGeometry());
    }
    Text1->resize(strip.width() - Twips(2 * TextMarginTwips), Twips(text1HeightTwips_));
    setGeometry(strip);

    Text1->setPlainText(QString(tekst1).replace(LineBreak, "\n"));
    keepAbove(caller);
    show();
    // A screen reader announces the message as an alert.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    if (caller != nullptr) {
        caller->activateWindow();
    }
}

// A window manager raises the caller whenever it becomes active again, the focus given back to
// it below included, and would bury the strip under a caller it overlaps. As the caller's
// transient (its owned window, on Windows) the strip always stays above it, and still has no
// owner that could close or move it.
void MessageWindow::keepAbove(QWidget* caller) {
    if (caller == nullptr) {
        return;
    }
    winId();
    caller->winId();
    windowHandle()->setTransientParent(caller->windowHandle());
}

// Each of the first seven lines needs its own width plus 300 twips; an empty one just those.
int MessageWindow::RequiredWidthTwips(const QString& tekst1) const {
    const QFontMetricsF metrics(Text1->font());
    int widthTwips = 0;
    for (const QString& line : FirstLines(tekst1)) {
        const double linePixels = std::ceil(metrics.horizontalAdvance(line));
        widthTwips = std::max(
            widthTwips, RoundHalfEvenSaturated(linePixels * TwipsPerPixel + LineAllowanceTwips));
    }
    return widthTwips;
}

void MessageWindow::on_Timer1_timeout() {
    messageTicks_ += 1;
    const std::int64_t elapsedMs = std::int64_t{messageTicks_} * CountedTickMs;
    if (elapsedMs >= std::int64_t{messageDuration_} * 1000) {
        messageTicks_ = 0;
        close();
    }
}

void MessageWindow::on_Text1_clicked() {
    // The prompt runs its own event loop; without holding the timer the window could close
    // and delete itself under the open prompt.
    Timer1->stop();
    const QPointer<MessageWindow> self(this);
    const QString answer = inputBox_.ask(
        this, DurationPrompt, appTitle,
        QString::fromStdString(NumberToText(messageDuration_, DoublePrecisionDigits)));
    if (self.isNull()) {
        return;
    }
    if (!unloaded_) {
        Timer1->start();
    }

    const std::int32_t v = RoundHalfEvenSaturated(TextToNumber(answer.toStdString()));
    if (v == 0) {
        return;
    }
    messageDuration_ = std::clamp(v, MinimumDuration, MaximumDuration);
    settings_.Write(DurationSetting,
                    QString::fromStdString(NumberToText(messageDuration_, DoublePrecisionDigits)));
}

void MessageWindow::closeEvent(QCloseEvent* event) {
    unloaded_ = true;
    Timer1->stop();
    QWidget::closeEvent(event);
}

bool MessageWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Text1->viewport()->rect().contains(mouse->position().toPoint())) {
            on_Text1_clicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace plotmere
