#include "windows/message_service.h"

#include "windows/message_window.h"

namespace plotmere {

MessageService::MessageService(SettingsStore& settings, InputBox& inputBox, const Timing& timing)
    : settings_(settings)
    , inputBox_(inputBox)
    , timing_(timing) {}

// The window refers to the store and the prompt this service was given, so it must not
// outlive them.
MessageService::~MessageService() {
    delete window_.data();
}

void MessageService::showmessage(QWidget* frm1, const QString& tekst1) {
    if (window() == nullptr) {
        window_ = new MessageWindow(settings_, inputBox_, timing_);
    }
    window_->showmessage(frm1, tekst1);
}

// A window that has closed is only waiting for its deletion; it counts as not loaded.
MessageWindow* MessageService::window() const {
    if (window_.isNull() || window_->isUnloaded()) {
        return nullptr;
    }
    return window_.data();
}

} // namespace plotmere
