#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace plotmere {

// A label that acts on a click: keypad keys, range and zoom labels, colour swatches, the theme
// chooser's entries. A screen reader sees a button (a radio button where the label is one of a
// set of choices), named by its accessible name or else its caption, whose press action clicks;
// a label nothing is connected to reads as text.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // What the press action of a screen reader does: exactly a click.
    void click() { emit clicked(); }

    // True when a click does something: a caption such as "X - axis" or "busy..." does not act
    // and reads as plain text.
    bool actsOnClick() const;

    // One of a set of choices (the theme chooser's entries); `selected` marks the current one.
    void setChoice(bool choice) { choice_ = choice; }
    bool isChoice() const { return choice_; }
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        QLabel::mouseReleaseEvent(event);
    }

private:
    bool choice_ = false;
    bool selected_ = false;
};

} // namespace plotmere
