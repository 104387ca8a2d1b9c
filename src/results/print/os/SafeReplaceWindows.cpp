// The Windows side of putting a finished file in place (SafeReplace.h; the
// POSIX side is SafeReplace.cpp). Compiled and tested under Wine by
// `make test-windows`; the programs that write files (--pdf, --ics) are not
// built for Windows here.
#include "results/print/SafeReplace.h"

#include <fcntl.h>
#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "shared/os/WideText.h"

namespace velmora {

namespace {

// The system's own words for an error, in UTF-8, without the trailing period
// and line end.
std::string Reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string out;
    if (n > 0 && text != nullptr) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
        out.resize(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
        if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), out.data(), bytes, nullptr, nullptr);
    }
    if (text != nullptr) LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.' || out.back() == ' ')) {
        out.pop_back();
    }
    return out.empty() ? "error " + std::to_string(error) : out;
}

// Writes all of `data` to `file`; 0 or the error.
DWORD WriteAll(HANDLE file, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data.data() + done, chunk, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        done += written;
    }
    return 0;
}

// Into something that is not an ordinary file (NUL, a console, a pipe): in place.
std::string WriteInPlace(const std::wstring& path, std::string_view data) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Reason(GetLastError());
    const DWORD error = WriteAll(file, data);
    CloseHandle(file);
    return error == 0 ? std::string() : Reason(error);
}

}  // namespace

std::string ReplaceFileContent(const std::string& path, std::string_view data, bool /*waitForPipeReader*/) {
    if (path.empty()) return Reason(ERROR_FILE_NOT_FOUND);
    const std::wstring target = WideFromUtf8(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return "Is a directory";
    if (!exists) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) return Reason(error);
    } else {
        HANDLE probe = CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD type = probe != INVALID_HANDLE_VALUE ? GetFileType(probe) : FILE_TYPE_DISK;
        if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
        if (type != FILE_TYPE_DISK) return WriteInPlace(target, data);
        // A read-only file is not replaced behind its owner's back.
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Reason(ERROR_ACCESS_DENIED);
    }
    // A temporary file in the same folder, then one step into place.
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    wchar_t temporary[MAX_PATH + 1] = {};
    if (GetTempFileNameW(WideFromUtf8(folder).c_str(), L"vel", 0, temporary) == 0) return Reason(GetLastError());
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary);
        return Reason(error);
    }
    DWORD error = WriteAll(file, data);
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    CloseHandle(file);
    if (error == 0) {
        // ReplaceFileW keeps the replaced file's attributes and permissions.
        const bool placed = exists ? ReplaceFileW(target.c_str(), temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                                  nullptr, nullptr) != 0
                                   : MoveFileExW(temporary, target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
        if (!placed) error = GetLastError();
    }
    if (error != 0) {
        DeleteFileW(temporary);
        return Reason(error);
    }
    return {};
}

std::string WriteStandardOutput(std::string_view data) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::fflush(stdout);
    const DWORD error = WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), data);
    return error == 0 ? std::string() : Reason(error);
}

}  // namespace velmora
