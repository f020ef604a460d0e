#pragma once

#include <cstdint>
#include <string>

#include "shellext/hresult.h"

namespace nubo {

// The shortcut object's interface as NuboPRO and the desktop handlers see it across
// the library boundary: the values of one ".nubo" file, and the file operations that
// bind it to a path. Objects come from the library's factory and go with Release.
class INuboShortcut {
  public:
    virtual HRESULT SetURL(const std::string& url) = 0;
    virtual HRESULT GetURL(std::string* url) = 0;
    virtual HRESULT SetTransferDir(const std::string& dir) = 0;
    virtual HRESULT GetTransferDir(std::string* dir) = 0;
    virtual HRESULT SetTransferType(int32_t type) = 0;
    virtual HRESULT GetTransferType(int32_t* type) = 0;
    virtual HRESULT SetUpdateMode(int32_t mode) = 0;
    virtual HRESULT GetUpdateMode(int32_t* mode) = 0;

    // The persistent-file operations.
    virtual HRESULT Load(const std::string& path, uint32_t mode) = 0;
    virtual HRESULT Save(const std::string& path, bool remember) = 0;
    virtual HRESULT SaveCompleted(const std::string& path) = 0;
    virtual HRESULT IsDirty() = 0;
    virtual HRESULT GetCurFile(std::string* path) = 0;

    virtual void Release() = 0;

  protected:
    virtual ~INuboShortcut() = default;
};

// The library's exports, looked up by name after dlopen.
extern "C" {
using NuboSxCreateShortcutFunction = INuboShortcut* (*)();
using NuboSxServerFunction = HRESULT (*)();
}
inline constexpr const char* kNuboSxLibrary = "libnubosx.so";
inline constexpr const char* kNuboSxCreateShortcut = "NuboSxCreateShortcut";
inline constexpr const char* kNuboSxIsRegistered = "NuboSxIsRegistered";
inline constexpr const char* kDllRegisterServer = "DllRegisterServer";
inline constexpr const char* kDllUnregisterServer = "DllUnregisterServer";
inline constexpr const char* kDllCanUnloadNow = "DllCanUnloadNow";

}  // namespace nubo
