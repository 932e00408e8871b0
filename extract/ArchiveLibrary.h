#pragma once
// The six calls of the UnRAR library that the extraction run makes, as a table
// of function pointers. The program uses UnrarLibrary(), bound to the real
// library; tests pass a table of their own to script results that real
// archives do not easily produce. Nothing here depends on the library's
// header: the records below carry only the fields the run uses, and the
// binding copies them to and from the library's own records.
#include <cstddef>

namespace extract {

using ArchiveHandle = void *;

// The library's callback types (its calling convention is the default one here).
// A volume callback gets the volume's path and a VolumeMode; a data callback
// gets a block of unpacked data and its size. Both answer 1 to go on, 0 to stop.
using ChangeVolumeProc = int (*)(char *volumeName, int mode);
using ProcessDataProc = int (*)(unsigned char *block, int size);

// Result codes of the library (0 is success).
enum ResultCode : int {
    EndArchive = 10,
    NoMemory = 11,
    BadData = 12,
    BadArchive = 13,
    UnknownFormat = 14,
    OpenFailed = 15,
    CreateFailed = 16,
    CloseFailed = 17,
    ReadFailed = 18,
    WriteFailed = 19,
    SmallBuffer = 20,
    Unknown = 21,
};

// Modes of the volume callback.
enum VolumeMode : int { VolumeAsk = 0, VolumeNotify = 1 };

// Operations of ProcessFile.
enum Operation : int { OperationSkip = 0, OperationTest = 1, OperationExtract = 2 };

// Open modes.
enum OpenMode : unsigned { OpenForExtract = 1 };

// What Open reads and writes. ArchiveName is NUL-terminated.
struct OpenRecord {
    char *ArchiveName = nullptr;
    unsigned Mode = 0;
    unsigned Result = 0; // 0: open, and the handle is valid; otherwise a ResultCode
};

// What ReadHeader fills in for the next entry.
struct HeaderRecord {
    static constexpr std::size_t NameCapacity = 1024;
    // The entry's stored path, '/'-separated; NUL-terminated unless it fills
    // the whole buffer.
    char FileName[NameCapacity] = {};
    unsigned UnpSize = 0;     // unpacked size, low 32 bits
    unsigned UnpSizeHigh = 0; // unpacked size, high 32 bits
};

struct ArchiveLibrary {
    // Opens the archive; fills in record.Result.
    ArchiveHandle (*Open)(OpenRecord &record);
    void (*SetChangeVolProc)(ArchiveHandle handle, ChangeVolumeProc proc);
    void (*SetProcessDataProc)(ArchiveHandle handle, ProcessDataProc proc);
    // 0 when the record now describes the next entry, EndArchive after the
    // last one, another ResultCode on failure.
    int (*ReadHeader)(ArchiveHandle handle, HeaderRecord &record);
    // Extracts (or skips) the entry just read; a null destName writes it under
    // its stored path below destPath. 0 on success.
    int (*ProcessFile)(ArchiveHandle handle, int operation, char *destPath, char *destName);
    int (*Close)(ArchiveHandle handle);
};

// The table bound to the real library. Its Open first makes sure the C
// library's character type is UTF-8, because the library converts entry
// names with it: under "C" or "POSIX" a non-ASCII name would be cut short on
// disk and on screen. The change stays for the rest of the process.
const ArchiveLibrary &UnrarLibrary();

} // namespace extract
