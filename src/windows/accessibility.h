#pragma once

namespace plotmere {

// Makes the program's own controls readable by a screen reader: clickable labels as buttons
// with a press action, the message strip as an alert that says its message. Call once, before
// the first window is made.
void InstallAccessibility();

} // namespace plotmere
