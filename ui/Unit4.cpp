#include "Unit4.h"

#include "platform/Failure.h"
#include "platform/Fonts.h"
#include "platform/Text.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

TForm4 *Form4 = nullptr;

namespace {

const QColor kNavy(0, 0, 128);
constexpr int kClientWidth = 657;
constexpr int kMemoAndStatusHeight = 630; // the client area below the menu bar
constexpr int kStatusBarHeight = 19;

TForm4::OpenFunction &OpenHook() {
    static TForm4::OpenFunction hook;
    return hook;
}

int OpenForReading(const std::string &path) {
    if (OpenHook())
        return OpenHook()(path);
    // Non-blocking so that a FIFO without a writer cannot hang the program.
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

class FileHandle {
  public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

// The whole file in one byte string of the file's length. Only regular files
// have a length; anything else that is not a folder reads as empty, so a
// device cannot feed the viewer without end.
std::string ReadWholeFile(const std::string &path) {
    const platform::Failure cannotOpen("Cannot open file " + path);
    FileHandle file(OpenForReading(path));
    struct stat info {};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || S_ISDIR(info.st_mode))
        throw cannotOpen;
    std::string bytes(S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0, '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw cannotOpen;
        if (got == 0) // the file shrank since its length was taken
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

// CR LF stays; a CR without LF after it and an LF without CR before it each
// become CR LF. No other byte changes.
std::string WithCrLfBreaks(const std::string &bytes) {
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte == '\r') {
            result += "\r\n";
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (byte == '\n') {
            result += "\r\n";
        } else {
            result += byte;
        }
    }
    return result;
}

// What the memo shows of CR LF text: the bytes before the first NUL, each as
// one Windows-1252 character, every CR LF pair one line break.
QString MemoText(const std::string &crLfBytes) {
    QString text = platform::FromCp1252(crLfBytes.substr(0, crLfBytes.find('\0')));
    // Every CR is the first half of a pair here; the editor breaks at LF.
    text.remove(QLatin1Char('\r'));
    return text;
}

} // namespace

TForm4::TForm4() {
    SetCaption("Read");
    SetFrame(Frame::Sizable);

    MainMenu1 = new QMenuBar(this);
    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    Exit1 = File1->addAction(QStringLiteral("&Close"));
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    // Read-only still lets the user move a caret, select and copy by keyboard.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setUndoRedoEnabled(false);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(platform::FixedFont(12));
    // Tab stops every eight columns keep tabbed text in its columns.
    Memo1->setTabStopDistance(8 * Memo1->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    QPalette colours = Memo1->palette();
    colours.setColor(QPalette::Base, kNavy);
    colours.setColor(QPalette::Text, Qt::white);
    Memo1->setPalette(colours);
    memoBytes_ = "Memo1";
    Memo1->setPlainText(QStringLiteral("Memo1"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setFixedHeight(kStatusBarHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(Memo1, 1);
    layout->addWidget(StatusBar1);

    // The window system draws the title bar and frame; the client area is
    // the menu bar plus the memo and status bar beneath it.
    SetClientSize(kClientWidth, MainMenu1->sizeHint().height() + kMemoAndStatusHeight);
    setFocusProxy(Memo1);
    Memo1->setFocus();
}

void TForm4::SetOpenFunction(OpenFunction open) {
    OpenHook() = std::move(open);
}

void TForm4::LoadFile(const std::string &path) {
    QString text;
    try {
        const std::string bytes = WithCrLfBreaks(ReadWholeFile(path));
        if (bytes == memoBytes_)
            return;
        text = MemoText(bytes);
        memoBytes_ = bytes;
    } catch (const std::bad_alloc &) {
        throw platform::Failure("Text exceeds memo capacity");
    }
    // A new text puts the caret and both scroll bars back at the start.
    Memo1->setPlainText(text);
}

void TForm4::Exit1Click() {
    Close();
}

bool TForm4::FormKeyDown(int key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_Escape)
        return false;
    Close();
    return true;
}

void TForm4::FormShow() {
    if (shownBefore_)
        return;
    shownBefore_ = true;
    CentreOnScreen();
}
