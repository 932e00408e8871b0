#include "ArchiveLibrary.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <strings.h>
#include <type_traits>
#include <unrar/dll.hpp>

namespace extract {

static_assert(EndArchive == ERAR_END_ARCHIVE && NoMemory == ERAR_NO_MEMORY &&
              BadData == ERAR_BAD_DATA && BadArchive == ERAR_BAD_ARCHIVE &&
              UnknownFormat == ERAR_UNKNOWN_FORMAT && OpenFailed == ERAR_EOPEN &&
              CreateFailed == ERAR_ECREATE && CloseFailed == ERAR_ECLOSE &&
              ReadFailed == ERAR_EREAD && WriteFailed == ERAR_EWRITE &&
              SmallBuffer == ERAR_SMALL_BUF && Unknown == ERAR_UNKNOWN);
static_assert(VolumeAsk == RAR_VOL_ASK && VolumeNotify == RAR_VOL_NOTIFY);
static_assert(OperationSkip == RAR_SKIP && OperationTest == RAR_TEST &&
              OperationExtract == RAR_EXTRACT && OpenForExtract == RAR_OM_EXTRACT);
static_assert(std::is_same_v<ChangeVolumeProc, CHANGEVOLPROC>);
static_assert(std::is_same_v<ProcessDataProc, PROCESSDATAPROC>);
static_assert(sizeof(HeaderRecord::FileName) == sizeof(RARHeaderDataEx::FileName));

namespace {

// The library turns the names it stores as Unicode into bytes with the C
// library's multibyte functions, and the destination path back again. Entry
// names must reach the disk as UTF-8 whatever locale the program started in.
void UseUtf8CharacterType() {
    if (strcasecmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

ArchiveHandle Open(OpenRecord &record) {
    UseUtf8CharacterType();
    RAROpenArchiveData data{};
    data.ArcName = record.ArchiveName;
    data.OpenMode = record.Mode;
    ArchiveHandle handle = RAROpenArchive(&data);
    record.Result = data.OpenResult;
    return handle;
}

void SetChangeVolProc(ArchiveHandle handle, ChangeVolumeProc proc) {
    RARSetChangeVolProc(handle, proc);
}

void SetProcessDataProc(ArchiveHandle handle, ProcessDataProc proc) {
    RARSetProcessDataProc(handle, proc);
}

int ReadHeader(ArchiveHandle handle, HeaderRecord &record) {
    // One library record (about 14 KB) reused for every read; its comment
    // and link-target buffers stay null, so the library fills in neither.
    static RARHeaderDataEx data{};
    const int result = RARReadHeaderEx(handle, &data);
    std::memcpy(record.FileName, data.FileName, sizeof record.FileName);
    record.UnpSize = data.UnpSize;
    record.UnpSizeHigh = data.UnpSizeHigh;
    return result;
}

int ProcessFile(ArchiveHandle handle, int operation, char *destPath, char *destName) {
    return RARProcessFile(handle, operation, destPath, destName);
}

int Close(ArchiveHandle handle) {
    return RARCloseArchive(handle);
}

} // namespace

const ArchiveLibrary &UnrarLibrary() {
    static const ArchiveLibrary library{Open,       SetChangeVolProc, SetProcessDataProc,
                                        ReadHeader, ProcessFile,      Close};
    return library;
}

} // namespace extract
