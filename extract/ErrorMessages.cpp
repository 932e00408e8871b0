#include "ErrorMessages.h"

#include "extract/ArchiveLibrary.h"
#include "extract/RunState.h"

#include <algorithm>
#include <iterator>

namespace extract {

namespace {

// An open message is Before + the archive's path + After, or Before alone when
// the message does not name the archive.
struct OpenMessage {
    int Code;
    const char *Before;
    bool NamesArchive;
    const char *After;
};

constexpr OpenMessage OpenMessages[] = {
    {NoMemory, "Not enough memory", false, ""},
    {BadData, "Archive ", true, " has header broken"},
    {BadArchive, "", true, " is not RAR archive"},
    {OpenFailed, "Cannot open ", true, ""},
};

struct ExtractMessage {
    int Code;
    const char *Text;
};

constexpr ExtractMessage ExtractMessages[] = {
    {BadData, "CRC error"},
    {BadArchive, "Bad volume"},
    {UnknownFormat, "Unknown archive format"},
    {OpenFailed, "Volume open error"},
    {CreateFailed, "File create error"},
    {CloseFailed, "File close error"},
    {ReadFailed, "Read error"},
    {WriteFailed, "Write error"},
};

template <typename Row, std::size_t N> const Row *FindRow(const Row (&table)[N], int code) {
    const Row *row = std::find_if(std::begin(table), std::end(table),
                                  [code](const Row &candidate) { return candidate.Code == code; });
    return row == std::end(table) ? nullptr : row;
}

} // namespace

void ReportOpenError(int code, const std::string &archivePath) {
    if (const OpenMessage *row = FindRow(OpenMessages, code))
        RunState.View->ShowError(row->Before + (row->NamesArchive ? archivePath : std::string()) +
                                 row->After);
}

void ReportExtractError(int code) {
    if (const ExtractMessage *row = FindRow(ExtractMessages, code))
        RunState.View->ShowError(row->Text);
}

} // namespace extract
