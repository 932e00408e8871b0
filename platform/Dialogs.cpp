#include "Dialogs.h"

#include "Text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace platform {
namespace {

MessageBoxHook &Hook() {
    static MessageBoxHook hook;
    return hook;
}

void Show(const MessageBoxRecord &record, bool centreOnScreen) {
    if (Hook()) {
        Hook()(record);
        return;
    }
    QMessageBox box(record.icon == BoxIcon::Error ? QMessageBox::Critical : QMessageBox::Warning,
                    ToDisplay(record.caption), ToDisplay(DisplayedLines(record.text)),
                    QMessageBox::NoButton);
    box.setTextFormat(Qt::PlainText);
    QPushButton *ok = box.addButton(ToDisplay(record.button), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (centreOnScreen) {
        box.adjustSize();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        box.move(screen.center() - QPoint(box.width() / 2, box.height() / 2));
    }
    box.exec();
}

} // namespace

std::string DisplayedLines(const std::string &text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

void ShowMessageBox(const std::string &text, const std::string &caption) {
    Show({caption, text, BoxIcon::Error, "OK"}, false);
}

void ShowErrorBox(const std::string &text) {
    ShowMessageBox(text, "Error");
}

void ShowWarningDialog(const std::string &text) {
    Show({"Warning", text, BoxIcon::Warning, "OK"}, true);
}

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

} // namespace platform
