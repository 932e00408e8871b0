#include "Text.h"

#include <QStringDecoder>

namespace platform {
namespace {

// Windows-1252 characters 0x80-0x9F; 0 marks the five undefined ones.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString FromCp1252(const std::string &bytes) {
    QString text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F && kCp1252High[byte - 0x80] != 0)
            unit = kCp1252High[byte - 0x80];
        text[static_cast<qsizetype>(i)] = QChar(unit);
    }
    return text;
}

QString ToDisplay(const std::string &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError())
        return FromCp1252(bytes);
    return text;
}

std::string FromDisplay(const QString &text) {
    return text.toStdString();
}

} // namespace platform
