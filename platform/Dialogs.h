#pragma once
// Modal message boxes. A lone carriage return in a message breaks the shown
// line; the text itself keeps it.
#include <functional>
#include <string>

namespace platform {

enum class BoxIcon { Error, Warning };

struct MessageBoxRecord {
    std::string caption;
    std::string text;
    BoxIcon icon;
    std::string button; // caption of the one button
};

// Modal box with the error icon and one OK button; returns when dismissed.
void ShowMessageBox(const std::string &text, const std::string &caption);

// Error box captioned "Error".
void ShowErrorBox(const std::string &text);

// The warning dialog: caption "Warning", warning icon, one "OK" button,
// centred on the screen.
void ShowWarningDialog(const std::string &text);

// While a hook is set, boxes are not shown: the hook receives each one and
// the call returns as if the user had pressed the button. Tests use this so
// that nothing waits for a click. An empty function removes the hook.
using MessageBoxHook = std::function<void(const MessageBoxRecord &)>;
void SetMessageBoxHook(MessageBoxHook hook);

// The text as a box shows it: CR LF, a lone CR and a lone LF each break a line.
std::string DisplayedLines(const std::string &text);

} // namespace platform
