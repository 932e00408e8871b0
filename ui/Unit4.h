#pragma once
// The text viewer: an ordinary sizable window with a menu bar, a read-only
// memo (white fixed-pitch text on navy, lines never wrapped) and a status bar.
// The main window loads a release text into it and shows it modally.
#include "platform/Form.h"

#include <functional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QStatusBar;

class TForm4 : public platform::Form {
  public:
    TForm4();

    QMenuBar *MainMenu1;
    QMenu *File1;   // "&File"
    QAction *Exit1; // "&Close"
    QPlainTextEdit *Memo1;
    QStatusBar *StatusBar1;

    // Reads the whole file at path into the memo, every line break made a
    // CR LF pair (a lone CR or a lone LF becomes one). When the result is the
    // text the memo already holds, the memo is left alone, scroll position and
    // selection included. Otherwise the memo shows the bytes before the first
    // NUL, one Windows-1252 character per byte, from the first line.
    // Throws platform::Failure "Cannot open file <path>" when the file cannot
    // be opened or read, and "Text exceeds memo capacity" when there is not
    // memory enough to hold the text; the memo keeps its text in both cases.
    void LoadFile(const std::string &path);

    void Exit1Click();
    // Escape, whatever the modifiers, closes the window; every other key goes
    // on to the memo.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    // Centres the window on the screen at its first showing only; afterwards
    // it keeps the place and size the user gave it.
    void FormShow() override;

    // How LoadFile opens a file: a descriptor open for reading, or -1 with
    // errno set. The default is open(2). Tests replace it to make an open
    // fail, which permission bits cannot do for the superuser. An empty
    // function restores the default.
    using OpenFunction = std::function<int(const std::string &path)>;
    static void SetOpenFunction(OpenFunction open);

  private:
    // The memo's text as bytes in CR LF form, NULs included, so that an
    // unchanged file is recognised without reading the memo back.
    std::string memoBytes_;
    bool shownBefore_ = false;
};

extern TForm4 *Form4;
